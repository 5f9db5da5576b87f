#include "xml_texts.h"

#include "marks.h"

namespace capset {
namespace {

// What the reader expected, as the user would type it; a blank has no shape of its own.
std::string Markup(const std::string& text) { return text == " " ? std::string("空格") : Quoted(text); }

}  // namespace

std::string XmlErrorText(const xml::XmlError& e) {
  using xml::XmlFault;
  switch (e.fault) {
    case XmlFault::kNone: return "";
    case XmlFault::kCutShort: return "文件在此处中断";
    case XmlFault::kDocumentType: return "带有文档类型声明（DTD）";
    case XmlFault::kUndeclaredEntity: return "引用了未声明的实体 &" + e.name + ";";
    case XmlFault::kBadCharReference: return "字符引用" + Quoted(e.name) + "不代表 XML 允许的字符";
    case XmlFault::kEncoding: return "编码是" + Quoted(e.name) + "，只能读 UTF-8 编码";
    case XmlFault::kBadBytes: return "有不符合文件编码的字节";
    case XmlFault::kBadCharacter: return "有 XML 不允许的字符 " + e.name;
    case XmlFault::kMismatchedTag:
      if (e.expected.empty()) return "结束标记 </" + e.name + "> 没有对应的开始标记";
      return "结束标记 </" + e.name + "> 与开始标记 <" + e.expected + "> 不配对";
    case XmlFault::kBadName: return "名称不能以" + Quoted(e.name) + "开头";
    case XmlFault::kDuplicateAttribute: return "属性 " + e.name + " 在同一元素中出现了两次";
    case XmlFault::kAfterRoot: return "根元素结束之后还有内容";
    case XmlFault::kTextOutsideRoot: return "根元素之前有文字";
    case XmlFault::kSyntax:
      if (e.name == "<?xml") return "XML 声明（<?xml …?>）只能写在文件开头";
      if (e.expected.empty()) return Quoted(e.name) + "不能写在这里";
      return "此处应为" + Markup(e.expected) + "，却是" + Quoted(e.name);
    case XmlFault::kTooLong:
      return "一段文字、一个标记或一条注释超过 " + std::to_string(e.limit >> 20) + " MB";
    case XmlFault::kTooDeep: return "元素嵌套超过 " + std::to_string(e.limit) + " 层";
    case XmlFault::kUnreadable: return "读取时出错";
  }
  return "";
}

}  // namespace capset
