// Sheets measured, laid out and painted. Sizes are thought of in points
// (1/72 inch) and turned into the device's pixels once, by `pt`.

#include "sheet_painter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <map>
#include <optional>

#include "pagination.h"
#include "plan_painter.h"
#include "sheet_texts.h"

namespace capset {
namespace {

// A TrueType face first: the PDF then embeds the subset of its glyphs
// (an OpenType face of outlines in CFF would be drawn as paths).
constexpr char kSheetFontFamily[] = "WenQuanYi Micro Hei";
constexpr char kSheetFallbackFamily[] = "Noto Sans CJK SC";

// The sheet's own margins and spacing, in points.
constexpr double kSideMargin = 48;     // 17 mm: room for a binder's holes
constexpr double kTopMargin = 34;      // 12 mm
constexpr double kBottomMargin = 34;
constexpr double kBlockGap = 10;
constexpr double kPlanHeight = 300;    // the plan's frame and caption: about half the page
constexpr double kSignatureHeight = 40;
constexpr double kCellPadding = 3;
// A table's font shrinks in these steps until its columns fit the width;
// below the smallest, its cells wrap.
constexpr double kLargestTableFont = 9;
constexpr double kSmallestTableFont = 6.5;

QFont SheetFont(double points, bool bold = false) {
  QFont font(QString::fromUtf8(kSheetFontFamily));
  font.setFamilies({QString::fromUtf8(kSheetFontFamily), QString::fromUtf8(kSheetFallbackFamily)});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

struct TableShape {
  QFont font, bold;
  std::vector<double> widths;   // device pixels, summing to the room's width
  double titleHeight = 0, headingHeight = 0;
  std::vector<double> rowHeights;
};

class SheetRenderer {
 public:
  SheetRenderer(const SheetDocument& document, QPaintDevice& device)
      : document_(document), device_(device), pt_(device.logicalDpiY() / 72.0) {
    const double pageWidth = device.width(), pageHeight = device.height();
    header_ = SheetFont(8);
    const QFontMetricsF small(header_, &device_);
    headerHeight_ = small.lineSpacing() + Pt(4);
    room_ = QRectF(Pt(kSideMargin), Pt(kTopMargin) + headerHeight_ + Pt(8), pageWidth - 2 * Pt(kSideMargin),
                   pageHeight - Pt(kTopMargin) - Pt(kBottomMargin) - 2 * headerHeight_ - Pt(16));
  }

  std::vector<SheetPage> Layout() {
    std::vector<SheetHeights> heights;
    for (std::size_t s = 0; s < document_.sheets.size(); ++s) heights.push_back(Measure(static_cast<int>(s)));
    return Paginate(heights, {room_.height(), Pt(kBlockGap)});
  }

  void Paint(QPainter& painter, const SheetPage& page, int number, int pages) {
    PaintHeader(painter, number, pages);
    const Sheet& sheet = document_.sheets[static_cast<std::size_t>(page.sheet)];
    if (page.sheetTitle) PaintTitle(painter, sheet);
    for (const PlacedBlock& placed : page.blocks) {
      const QRectF box(room_.left(), room_.top() + placed.top, room_.width(), placed.height);
      const SheetBlock& block = sheet.blocks[static_cast<std::size_t>(placed.block)];
      if (const auto* notes = std::get_if<SheetNotes>(&block)) {
        PaintNotes(painter, *notes, box);
      } else if (const auto* plan = std::get_if<SheetPlan>(&block)) {
        PaintPlan(painter, *plan, box, pt_, SheetFont(7), SheetFont(8));
      } else if (const auto* table = std::get_if<SheetTable>(&block)) {
        PaintTable(painter, *table, shapes_.at({page.sheet, placed.block}), placed, box);
      } else if (const auto* signature = std::get_if<SheetSignature>(&block)) {
        PaintSignature(painter, *signature, box);
      }
    }
  }

 private:
  double Pt(double points) const { return points * pt_; }

  double WrappedHeight(const QFont& font, const std::string& text, double width, int flags = Qt::TextWordWrap) const {
    const QFontMetricsF metrics(font, &device_);
    if (text.empty()) return metrics.lineSpacing();
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), flags, Text(text)).height();
  }

  double TitleHeight(const Sheet& sheet) const {
    double height = WrappedHeight(SheetFont(15, true), sheet.title, room_.width()) + Pt(6);
    for (const std::string& line : sheet.subtitle) height += WrappedHeight(SheetFont(9.5), line, room_.width());
    return height;
  }

  double NotesHeight(const SheetNotes& notes) const {
    double height = notes.heading.empty() ? 0 : QFontMetricsF(SheetFont(10, true), &device_).lineSpacing() + Pt(2);
    for (const std::string& line : notes.lines) height += WrappedHeight(SheetFont(9), line, room_.width()) + Pt(1);
    return height;
  }

  SheetHeights Measure(int index) {
    const Sheet& sheet = document_.sheets[static_cast<std::size_t>(index)];
    SheetHeights heights;
    heights.title = TitleHeight(sheet);
    for (std::size_t b = 0; b < sheet.blocks.size(); ++b) {
      BlockHeights block;
      const SheetBlock& item = sheet.blocks[b];
      if (const auto* notes = std::get_if<SheetNotes>(&item)) {
        block.height = NotesHeight(*notes);
      } else if (std::holds_alternative<SheetPlan>(item)) {
        block.height = Pt(kPlanHeight);
      } else if (const auto* table = std::get_if<SheetTable>(&item)) {
        const TableShape& shape = shapes_[{index, static_cast<int>(b)}] = Shape(*table);
        block.table = true;
        block.title = shape.titleHeight;
        block.heading = shape.headingHeight;
        block.rows = shape.rowHeights;
      } else {
        block.height = Pt(kSignatureHeight);
      }
      heights.blocks.push_back(std::move(block));
    }
    return heights;
  }

  // The widths a table's columns need at `size`: `cells` for its widest
  // cell (numbers are never broken), `natural` with its heading on one line.
  struct ColumnNeeds {
    std::vector<double> cells, natural;
    double cellSum = 0, naturalSum = 0;
  };
  ColumnNeeds Needs(const SheetTable& table, double size) const {
    const QFontMetricsF plain(SheetFont(size), &device_), bold(SheetFont(size, true), &device_);
    ColumnNeeds needs;
    const double padding = 2 * Pt(kCellPadding) + Pt(1);
    for (std::size_t c = 0; c < table.headings.size(); ++c) {
      double widest = 0;
      for (const auto& row : table.rows) {
        if (c < row.size()) widest = std::max(widest, plain.horizontalAdvance(Text(row[c])));
      }
      // A heading wraps between its words, never inside "(mm)".
      QString word;
      for (const QChar ch : Text(table.headings[c]) + QChar(' ')) {
        if (ch == QChar(' ') || ch == QChar('(') || ch == QChar(0xFF08)) {
          widest = std::max(widest, bold.horizontalAdvance(word));
          word.clear();
        }
        if (ch != QChar(' ')) word += ch;
      }
      needs.cells.push_back(widest + padding);
      needs.natural.push_back(std::max(widest, bold.horizontalAdvance(Text(table.headings[c]))) + padding);
      needs.cellSum += needs.cells.back();
      needs.naturalSum += needs.natural.back();
    }
    return needs;
  }

  // The largest font at which every heading stands on one line; else the
  // largest at which every cell does, the headings wrapping; else the
  // smallest, its widest cells wrapping. The width left over is shared in
  // proportion to what each column asks beyond its cells.
  TableShape Shape(const SheetTable& table) const {
    TableShape shape;
    const std::size_t columns = table.headings.size();
    std::optional<double> cellsFit;
    double chosen = kSmallestTableFont;
    bool headingsFit = false;
    for (double size = kLargestTableFont; size >= kSmallestTableFont; size -= 0.5) {
      const ColumnNeeds needs = Needs(table, size);
      if (needs.naturalSum <= room_.width()) {
        chosen = size;
        headingsFit = true;
        break;
      }
      if (!cellsFit && needs.cellSum <= room_.width()) cellsFit = size;
    }
    if (!headingsFit && cellsFit) chosen = *cellsFit;
    shape.font = SheetFont(chosen);
    shape.bold = SheetFont(chosen, true);
    const ColumnNeeds needs = Needs(table, chosen);
    const double width = room_.width();
    if (needs.naturalSum <= width || needs.cellSum > width) {
      const double total = needs.naturalSum <= width ? needs.naturalSum : needs.cellSum;
      const std::vector<double>& base = needs.naturalSum <= width ? needs.natural : needs.cells;
      for (double w : base) shape.widths.push_back(total > 0 ? w * width / total : width / columns);
    } else {
      const double spare = width - needs.cellSum, asked = needs.naturalSum - needs.cellSum;
      for (std::size_t c = 0; c < columns; ++c) {
        shape.widths.push_back(needs.cells[c] + spare * (needs.natural[c] - needs.cells[c]) / asked);
      }
    }
    shape.titleHeight = table.title.empty() ? 0 : QFontMetricsF(SheetFont(10, true), &device_).lineSpacing() + Pt(3);
    const auto rowHeight = [&](const std::vector<std::string>& cells, const QFont& font, int flags) {
      double height = QFontMetricsF(font, &device_).lineSpacing();
      for (std::size_t c = 0; c < columns && c < cells.size(); ++c) {
        height = std::max(height, WrappedHeight(font, cells[c], shape.widths[c] - 2 * Pt(kCellPadding), flags));
      }
      return height + 2 * Pt(2);
    };
    shape.headingHeight = rowHeight(table.headings, shape.bold, Qt::TextWordWrap);
    for (const auto& row : table.rows) shape.rowHeights.push_back(rowHeight(row, shape.font, Qt::TextWrapAnywhere));
    return shape;
  }

  void PaintHeader(QPainter& painter, int number, int pages) {
    painter.setFont(header_);
    painter.setPen(QPen(Qt::black, Pt(0.5)));
    const double top = Pt(kTopMargin);
    const QRectF line(room_.left(), top, room_.width(), headerHeight_);
    const std::string job = SheetJobText(document_.job.empty() ? kUnsavedSheetJob : document_.job);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, Text(std::string(kSheetProgram) + "　" + job));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, Text(SheetDateText(document_.date)));
    painter.drawLine(QPointF(room_.left(), top + headerHeight_), QPointF(room_.right(), top + headerHeight_));
    const double bottom = device_.height() - Pt(kBottomMargin);
    painter.drawLine(QPointF(room_.left(), bottom - headerHeight_), QPointF(room_.right(), bottom - headerHeight_));
    painter.drawText(QRectF(room_.left(), bottom - headerHeight_ + Pt(3), room_.width(), headerHeight_),
                     Qt::AlignHCenter | Qt::AlignTop, Text(PageNumberText(number, pages)));
  }

  void PaintTitle(QPainter& painter, const Sheet& sheet) {
    double y = room_.top();
    const QFont title = SheetFont(15, true);
    painter.setPen(Qt::black);
    painter.setFont(title);
    const double titleHeight = WrappedHeight(title, sheet.title, room_.width());
    painter.drawText(QRectF(room_.left(), y, room_.width(), titleHeight), Qt::AlignHCenter | Qt::TextWordWrap,
                     Text(sheet.title));
    y += titleHeight + Pt(6);
    const QFont sub = SheetFont(9.5);
    painter.setFont(sub);
    for (const std::string& line : sheet.subtitle) {
      const double h = WrappedHeight(sub, line, room_.width());
      painter.drawText(QRectF(room_.left(), y, room_.width(), h), Qt::AlignLeft | Qt::TextWordWrap, Text(line));
      y += h;
    }
  }

  void PaintNotes(QPainter& painter, const SheetNotes& notes, const QRectF& box) {
    double y = box.top();
    painter.setPen(notes.warning ? QColor(200, 0, 0) : QColor(Qt::black));
    if (!notes.heading.empty()) {
      const QFont heading = SheetFont(10, true);
      painter.setFont(heading);
      const double h = QFontMetricsF(heading, &device_).lineSpacing();
      painter.drawText(QRectF(box.left(), y, box.width(), h), Qt::AlignLeft, Text(notes.heading));
      y += h + Pt(2);
    }
    const QFont body = SheetFont(9);
    painter.setFont(body);
    for (const std::string& line : notes.lines) {
      const double h = WrappedHeight(body, line, box.width());
      painter.drawText(QRectF(box.left(), y, box.width(), h), Qt::AlignLeft | Qt::TextWordWrap, Text(line));
      y += h + Pt(1);
    }
  }

  void PaintRow(QPainter& painter, const std::vector<std::string>& cells, const std::vector<CellAlign>& align,
                const TableShape& shape, double y, double height, const QColor& ink, int wrap) {
    double x = room_.left();
    painter.setPen(QPen(ink, Pt(0.5)));
    for (std::size_t c = 0; c < shape.widths.size(); ++c) {
      const QRectF cell(x, y, shape.widths[c], height);
      const QRectF inside = cell.adjusted(Pt(kCellPadding), Pt(2), -Pt(kCellPadding), -Pt(2));
      const bool right = c < align.size() && align[c] == CellAlign::kRight;
      painter.setPen(ink);
      if (c < cells.size()) {
        painter.drawText(inside, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | wrap,
                         Text(cells[c]));
      }
      painter.setPen(QPen(Qt::black, Pt(0.4)));
      painter.drawRect(cell);
      x += shape.widths[c];
    }
  }

  void PaintTable(QPainter& painter, const SheetTable& table, const TableShape& shape, const PlacedBlock& placed,
                  const QRectF& box) {
    double y = box.top();
    if (!table.title.empty()) {
      painter.setFont(SheetFont(10, true));
      painter.setPen(Qt::black);
      const std::string title = placed.continued ? table.title + kSheetContinued : table.title;
      painter.drawText(QRectF(box.left(), y, box.width(), shape.titleHeight), Qt::AlignLeft | Qt::AlignTop,
                       Text(title));
      y += shape.titleHeight;
    }
    painter.fillRect(QRectF(box.left(), y, box.width(), shape.headingHeight), QColor(230, 230, 230));
    painter.setFont(shape.bold);
    std::vector<CellAlign> centred(table.headings.size(), CellAlign::kLeft);
    PaintRow(painter, table.headings, centred, shape, y, shape.headingHeight, Qt::black, Qt::TextWordWrap);
    y += shape.headingHeight;
    painter.setFont(shape.font);
    for (int r = placed.firstRow; r < placed.endRow; ++r) {
      const auto row = static_cast<std::size_t>(r);
      const bool marked = row < table.marked.size() && table.marked[row];
      PaintRow(painter, table.rows[row], table.align, shape, y, shape.rowHeights[row],
               marked ? QColor(200, 0, 0) : QColor(Qt::black), Qt::TextWrapAnywhere);
      y += shape.rowHeights[row];
    }
  }

  void PaintSignature(QPainter& painter, const SheetSignature& signature, const QRectF& box) {
    if (signature.fields.empty()) return;
    painter.setFont(SheetFont(10.5));
    painter.setPen(QPen(Qt::black, Pt(0.5)));
    const double each = box.width() / static_cast<double>(signature.fields.size());
    const double baseline = box.bottom() - Pt(6);
    for (std::size_t f = 0; f < signature.fields.size(); ++f) {
      const double x = box.left() + each * static_cast<double>(f);
      const QString field = Text(signature.fields[f]);
      painter.drawText(QPointF(x, baseline), field);
      const double start = x + QFontMetricsF(painter.font(), &device_).horizontalAdvance(field);
      painter.drawLine(QPointF(start, baseline + Pt(2)), QPointF(x + each - Pt(14), baseline + Pt(2)));
    }
  }

  const SheetDocument& document_;
  QPaintDevice& device_;
  double pt_;
  QFont header_;
  double headerHeight_ = 0;
  QRectF room_;
  std::map<std::pair<int, int>, TableShape> shapes_;
};

}  // namespace

QPageLayout SheetPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

int PaintSheets(const SheetDocument& document, QPagedPaintDevice& device) {
  SheetRenderer renderer(document, device);
  const std::vector<SheetPage> pages = renderer.Layout();
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const int count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    if (p > 0) device.newPage();
    renderer.Paint(painter, pages[static_cast<std::size_t>(p)], p + 1, count);
  }
  painter.end();
  return count;
}

}  // namespace capset
