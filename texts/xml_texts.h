#pragma once
// Why a file is not well-formed XML, in the user's words: the detail a
// refusal gives in brackets after "不是格式正确的 XML 文件".

#include <string>

#include "xml_error.h"

namespace capset {

std::string XmlErrorText(const xml::XmlError& error);

}  // namespace capset
