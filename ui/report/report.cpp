#include "ui/report/report.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <vector>

#include "disk/casefiles.h"
#include "inputs/constantair.h"
#include "present/controltable.h"
#include "present/profileplot.h"
#include "present/reportcontent.h"
#include "present/resultplots.h"
#include "present/resultrows.h"
#include "text/language.h"
#include "ui/calculator/annotation.h"
#include "ui/calculator/paintercanvas.h"
#include "ui/diagrams/chartpanel.h"
#include "ui/diagrams/diagramcharts.h"

namespace lamvero {

namespace {

constexpr int kPixelTwips = kTwipsPerPixel;  // one screen pixel of the window

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The window's regions that the report shows: a drawing area with the
// annotations and legends around it (twips of the window).
struct PlotRegion {
  const char* area;
  QRect twips;        // what is shown
  int firstTop, endTop;  // the controls shown: those whose top lies in [firstTop, endTop)
};
constexpr int kRegionLeft = 4700;
constexpr int kRegionRight = 15270;
const PlotRegion kProfileRegion{"pic_Ausgabe", QRect(QPoint(kRegionLeft, 1140), QPoint(kRegionRight, 6150)), 1140,
                                6100};
const PlotRegion kResultRegion{"pic_Zeit", QRect(QPoint(kRegionLeft, 6100), QPoint(kRegionRight, 11085)), 6100,
                               11085};

// Writes lines of text and tables down the pages of a device, starting a new
// page when the next item would not fit.
class PageWriter {
 public:
  PageWriter(QPagedPaintDevice& device, QPainter& painter, const QString& footer)
      : device_(device), p_(painter), footer_(footer) {
    const QPageLayout layout = device.pageLayout();
    const QRect paint = layout.paintRectPixels(device.logicalDpiX());
    width_ = paint.width();
    height_ = paint.height();
    pt_ = device.logicalDpiY() / 72.0;
    bottom_ = height_ - 14 * pt_;  // room for the footer
  }

  double pt() const { return pt_; }
  double width() const { return width_; }
  double y() const { return y_; }
  int pages() const { return page_; }
  QPainter& painter() { return p_; }

  QFont font(double points, bool bold = false, const QString& family = QStringLiteral("Arial")) const {
    QFont f(family);
    f.setPointSizeF(points);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
  }

  // Room for `height` below the current line, on a new page if need be.
  void need(double height) {
    if (y_ + height > bottom_ && y_ > 0) newPage();
  }

  void newPage() {
    finishPage();
    device_.newPage();
    ++page_;
    y_ = 0;
  }

  void skip(double points) { y_ += points * pt_; }

  // One line of text across the page; wraps if it is too long.
  void text(const QString& text, const QFont& f, const QColor& colour = Qt::black) {
    p_.setFont(f);
    const QRectF box = p_.boundingRect(QRectF(0, 0, width_, 1e9), Qt::TextWordWrap, text);
    need(box.height());
    p_.setPen(colour);
    p_.drawText(QRectF(0, y_, width_, box.height()), Qt::TextWordWrap, text);
    y_ += box.height();
  }

  void table(const ReportTable& t) {
    const QFont headingFont = font(11.5, true);
    const QFont headerFont = font(8, true);
    const QFont cellFont = font(9);
    const double rowHeight = QFontMetricsF(cellFont, &device_).height() * 1.22;
    // A heading does not stand alone at the bottom of a page.
    need(QFontMetricsF(headingFont, &device_).height() + 3 * rowHeight);
    skip(6);
    text(Q(t.heading), headingFont);
    skip(2);

    const std::vector<double> columns = Columns(t.header.size());
    if (!t.header.empty()) {
      row(t.header, columns, headerFont, QColor(90, 90, 90), rowHeight);
      p_.setPen(QPen(QColor(150, 150, 150), 0.5 * pt_));
      p_.drawLine(QPointF(0, y_), QPointF(width_, y_));
    }
    for (std::size_t i = 0; i < t.lines.size(); ++i) {
      const ReportLine& line = t.lines[i];
      if (line.cells.size() == 1) {
        // A sentence spans the whole width.
        text(Q(line.cells[0]), font(9, true), ToColor(line.colour));
        continue;
      }
      need(rowHeight);
      if (i % 2 == 1) p_.fillRect(QRectF(0, y_, width_, rowHeight), QColor(244, 244, 244));
      row(line.cells, columns, cellFont, ToColor(line.colour), rowHeight);
    }
  }

  // A region of the window around a drawing area, scaled to the page width,
  // with the plot drawn by `draw` as vectors.
  void plot(const QString& heading, const PlotRegion& region, const RunRecord& r, void (*draw)(const RunRecord&, Canvas&)) {
    const double scale = width_ / region.twips.width();  // device units per twip
    const double height = region.twips.height() * scale;
    const QFont headingFont = font(11.5, true);
    need(QFontMetricsF(headingFont, &device_).height() + height + 8 * pt_);
    skip(6);
    text(heading, headingFont);
    skip(4);
    const QPointF origin(0, y_);
    auto map = [&](int left, int top, int w, int h) {
      return QRectF(origin.x() + (left - region.twips.left()) * scale, origin.y() + (top - region.twips.top()) * scale,
                    w * scale, h * scale);
    };
    const double pixel = kPixelTwips * scale;

    for (const ControlRow& c : ControlTable()) {
      if (c.left < region.twips.left() || c.top < region.firstTop || c.top >= region.endTop) continue;
      if (c.kind == ControlKind::DrawingArea && c.name == region.area) {
        const QRectF outer = map(c.left, c.top, c.width, c.height);
        p_.setPen(QPen(QColor(128, 128, 128), pixel));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(outer.adjusted(pixel / 2, pixel / 2, -pixel / 2, -pixel / 2));
        PainterCanvas canvas(p_, outer.adjusted(pixel, pixel, -pixel, -pixel), c.userWidth, c.userHeight, pixel);
        draw(r, canvas);
        continue;
      }
      if (c.kind != ControlKind::Label && c.kind != ControlKind::Picture) continue;
      const ControlState state = FinalState(r, c);
      if (!state.visible) continue;
      // The window's font at the report's scale: one point is 20 twips.
      QFont f = font(c.pointSize * 20 * scale / pt_, c.bold, QString::fromStdString(c.font));
      p_.setFont(f);
      const QRectF box = map(c.left, c.top, c.width, c.height);
      if (c.kind == ControlKind::Picture) {
        PaintAnnotation(p_, box, Q(ShownCaption(c)), ToColor(c.colour), c.direction, c.arrow, pixel);
        continue;
      }
      const QString caption = Q(ShownControlText(c.name, state.text));
      if (!(c.background == Rgb{255, 255, 255})) {
        const double w = QFontMetricsF(f, &device_).horizontalAdvance(caption);
        p_.fillRect(QRectF(box.left(), box.top(), std::min(w, box.width()), box.height()), ToColor(c.background));
      }
      p_.setPen(ToColor(state.color));
      p_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, caption);
    }
    y_ += height;
  }

  // A chart laid out at `size` pixels and drawn as vectors, scaled to the
  // page width, under a heading.
  void chart(const QString& heading, QChart& shown, QSizeF size) {
    const double scale = width_ / size.width();
    const QFont headingFont = font(11.5, true);
    need(QFontMetricsF(headingFont, &device_).height() + size.height() * scale + 8 * pt_);
    skip(6);
    text(heading, headingFont);
    skip(2);
    shown.resize(size);
    shown.layout()->activate();
    const QRectF target(0, y_, width_, size.height() * scale);
    shown.scene()->render(&p_, target, shown.sceneBoundingRect());
    y_ += target.height();
  }

  void finishPage() {
    p_.save();
    p_.setFont(font(7.5));
    p_.setPen(QColor(110, 110, 110));
    const QRectF line(0, height_ - 10 * pt_, width_, 10 * pt_);
    p_.drawText(line, Qt::AlignLeft | Qt::AlignBottom, footer_);
    p_.drawText(line, Qt::AlignRight | Qt::AlignBottom, QCoreApplication::translate("Report", "Seite %1").arg(page_));
    p_.restore();
  }

 private:
  // Column widths as fractions of the page width.
  static std::vector<double> Columns(std::size_t n) {
    if (n == 3) return {0.62, 0.2, 0.18};
    return std::vector<double>(n, n ? 1.0 / n : 1.0);
  }

  void row(const std::vector<std::string>& cells, const std::vector<double>& columns, const QFont& f,
           const QColor& colour, double rowHeight) {
    p_.setFont(f);
    p_.setPen(colour);
    const QFontMetricsF metrics(f, &device_);
    const double pad = 3 * pt_;
    double x = 0;
    for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
      const double w = columns[i] * width_;
      const QString text = metrics.elidedText(Q(cells[i]), Qt::ElideRight, w - 2 * pad);
      // Numbers stand right-aligned under each other, texts left.
      const Qt::Alignment align = (i == 0 || i + 1 == cells.size()) ? Qt::AlignLeft : Qt::AlignRight;
      p_.drawText(QRectF(x + pad, y_, w - 2 * pad, rowHeight), align | Qt::AlignVCenter, text);
      x += w;
    }
    y_ += rowHeight;
  }

  QPagedPaintDevice& device_;
  QPainter& p_;
  QString footer_;
  double width_ = 0, height_ = 0, bottom_ = 0;
  double pt_ = 1;  // device units per point
  double y_ = 0;
  int page_ = 1;
};

// The Diagramme window's charts of the run, built by the same code, with
// their scales, grids and legends, and under a chart its explanation (the
// rate chart of a laboratory test at constant air in the Krischer form).
void AddCharts(PageWriter& w, const RunRecord& r, bool constantAir) {
  RunEntry entry;
  entry.label = QCoreApplication::translate("Report", "Lauf");
  entry.record = std::make_shared<const RunRecord>(r);
  entry.color = RunList::Palette().front();
  entry.constantAir = constantAir;
  if (!entry.hasSeries()) return;
  w.newPage();
  w.text(QCoreApplication::translate("Report", "Diagramme"), w.font(14, true));
  for (const ChartInfo& info : Charts()) {
    const std::unique_ptr<ChartPanel> panel(MakeChartPanel(info));
    FillChart(*panel, info.kind, {&entry});
    w.chart(QCoreApplication::translate("DiagramCharts", info.name), panel->chart(), QSizeF(820, 500));
    if (!panel->note().isEmpty()) w.text(panel->note(), w.font(8.5));
  }
}

// The head: the title, the project data given, the file, date, program and outcome.
void AddHead(PageWriter& w, const ReportInfo& info, const QString& title, const RunRecord& r) {
  w.text(QCoreApplication::translate("Report", "Bericht: %1").arg(title), w.font(16, true));
  w.skip(4);
  const QFont meta = w.font(9);
  for (const ProjectField& f : ProjectFields()) {
    const std::string& value = info.about.*f.member;
    if (value.empty() || f.member == &ProjectData::title) continue;
    if (!f.multiLine) {
      w.text(Q(Tr("Projektdaten", f.caption)) + QStringLiteral(": ") + Q(value), meta);
      continue;
    }
    w.text(Q(Tr("Projektdaten", f.caption)) + QStringLiteral(":"), meta);
    // Line by line, so that a long comment runs on to the next page.
    for (const QString& line : Q(value).split(QLatin1Char('\n'))) w.text(line.isEmpty() ? QStringLiteral(" ") : line, meta);
  }
  if (info.constantAir) w.text(Q(Tr("Eingabefelder", kConstantAirCaption)), meta);
  w.text(QCoreApplication::translate("Report", "Datei: %1")
             .arg(info.fileName.isEmpty() ? QCoreApplication::translate("Report", "nicht gespeichert") : info.fileName),
         meta);
  // The date as the language writes it.
  const QString created = info.created.toString(QCoreApplication::translate("Report", "dd.MM.yyyy, HH:mm 'Uhr'"));
  w.text(QCoreApplication::translate("Report", "Erstellt: %1   ·   Programm: %2   ·   Lauf: %3")
             .arg(created, ProgramName(), Q(OutcomeText(r.outcome))),
         meta);
}

}  // namespace

Report::Report(const RunRecord& record, ReportInfo info) : record_(record), info_(std::move(info)) {}

void Report::setUpPage(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                   QPageLayout::Millimeter));
}

int Report::paint(QPagedPaintDevice& device) const {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const QString title = info_.title.isEmpty() ? QCoreApplication::translate("Report", "Trocknungslauf") : info_.title;
  const QString version = ProgramName();
  PageWriter w(device, painter, version + QStringLiteral(" – ") + title);

  AddHead(w, info_, title, record_);

  // The first page: what went into the run and the profiles it drew; the
  // second: what came out of it.
  // A record read back from a file may lack the profiles or the series the plots are drawn from.
  const ReportContent content = ReportTables(record_);
  for (const ReportTable& t : content.setUp) w.table(t);
  if (record_.outcome != RunOutcome::Refused) {
    if (record_.profiles.scaleAfter.empty()) {
      w.skip(8);
      w.text(QCoreApplication::translate("Report", "Die Feuchteprofile dieses Laufs liegen nicht vor."), w.font(9));
    } else {
      w.plot(QCoreApplication::translate("Report", "Wasserbeladung über der halben Plattendicke"), kProfileRegion,
             record_, DrawProfilePlot);
    }
    w.newPage();
  }
  for (const ReportTable& t : content.results) w.table(t);
  if (info_.plant && record_.outcome != RunOutcome::Refused) w.table(PlantTable(*info_.plant, record_));
  if (record_.outcome == RunOutcome::Completed && record_.series.nReihe >= 0) {
    w.plot(QCoreApplication::translate("Report", "Verläufe über der Trocknungszeit"), kResultRegion, record_,
           DrawResultPlots);
  } else if (record_.outcome == RunOutcome::Completed) {
    w.skip(8);
    w.text(
        QCoreApplication::translate("Report", "Die Zeitreihen dieses Laufs liegen nicht vor: kein Ergebnisdiagramm."),
        w.font(9));
  } else if (record_.outcome != RunOutcome::Refused) {
    w.skip(8);
    w.text(QCoreApplication::translate("Report",
                                       "Ein Ergebnisdiagramm gibt es nur für einen vollständig gerechneten Lauf."),
           w.font(9));
  }
  if (record_.outcome != RunOutcome::Refused) AddCharts(w, record_, info_.constantAir);
  w.finishPage();
  painter.end();
  return w.pages();
}

Status Report::writePdf(const QString& path) const {
  const std::string cannot =
      QCoreApplication::translate("Report", "Die Datei %1 kann nicht geschrieben werden").arg(path).toStdString();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure{cannot, file.errorString().toStdString()};
  {
    QPdfWriter writer(&file);
    writer.setTitle(info_.title);
    writer.setCreator(ProgramName());
    setUpPage(writer);
    if (paint(writer) == 0) {
      file.cancelWriting();
      return Failure{
          "",
          QCoreApplication::translate("Report", "Der Bericht %1 kann nicht erstellt werden.").arg(path).toStdString()};
    }
  }
  if (!file.commit()) return Failure{cannot, file.errorString().toStdString()};
  return Done{};
}

}  // namespace lamvero
