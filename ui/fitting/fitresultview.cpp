#include "ui/fitting/fitresultview.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "study/inputtext.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "ui/fitting/residualchart.h"
#include "ui/fitting/searchtexts.h"
#include "ui/shell/progresstext.h"

namespace lamvero {

namespace {

QTableWidget* Table(const char* name, const QStringList& headers) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
  table->setObjectName(QLatin1String(name));
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

// Numbers right-aligned; a table's first column names its row, except in the correlation square.
void Put(QTableWidget& table, int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  if (column > 0 || table.verticalHeader()->isVisible()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table.setItem(row, column, item);
}

}  // namespace

QString ValueWithInterval(double value, const std::vector<double>& halfWidth95, std::size_t i) {
  const QString shown = QString::fromStdString(ShownInputText(InputTextOf(value)));
  if (i >= halfWidth95.size()) return shown;
  return QStringLiteral("%1 ± %2").arg(shown, QString::fromStdString(FormatSignificant(halfWidth95[i], 2)));
}

FitResultView::FitResultView(QWidget* parent) : QWidget(parent) {
  values_ = Table("tbl_Werte", {tr("Größe"), tr("Wert ± 95 %"), tr("Einheit"), tr("Schranke")});
  identifiability_ = new QLabel;
  identifiability_->setObjectName(QStringLiteral("lbl_Identifizierbarkeit"));
  identifiability_->setWordWrap(true);
  identifiability_->setStyleSheet(QStringLiteral("color: #a05000"));
  correlation_ = Table("tbl_Korrelation", {});
  figures_ =
      Table("tbl_Guete", {tr("Messgröße"), tr("Punkte"), QStringLiteral("RMSE"), tr("Einheit"), QStringLiteral("R²")});
  runs_ = new QLabel;
  runs_->setObjectName(QStringLiteral("lbl_Laeufe"));
  runs_->setWordWrap(true);
  residuals_ = new ResidualChart;

  auto* tables = new QVBoxLayout;
  tables->addWidget(values_);
  tables->addWidget(identifiability_);
  tables->addWidget(new QLabel(tr("Korrelation der angepassten Werte")));
  tables->addWidget(correlation_);
  tables->addWidget(figures_);
  tables->addWidget(runs_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(tables, 3);
  layout->addWidget(residuals_, 2);
}

void FitResultView::clear() {
  for (QTableWidget* t : {values_, correlation_, figures_}) t->setRowCount(0);
  correlation_->setColumnCount(0);
  identifiability_->clear();
  runs_->clear();
  residuals_->clear();
}

void FitResultView::showResult(const FitResult& result, const std::vector<FitParameter>& parameters) {
  clear();
  fillValues(result, parameters);
  fillCorrelation(result, parameters);
  fillFigures(result);
  identifiability_->setText(QString::fromStdString(result.identifiability));
  QString runs = FitResultView::tr("%1 Läufe in %2").arg(result.runs).arg(DurationText(result.seconds));
  if (!result.message.empty()) runs += QStringLiteral("; ") + QString::fromStdString(result.message);
  runs_->setText(runs);
  residuals_->showResiduals(result.residuals);
}

void FitResultView::fillValues(const FitResult& result, const std::vector<FitParameter>& parameters) {
  values_->setRowCount(static_cast<int>(result.values.size()));
  for (std::size_t i = 0; i < result.values.size() && i < parameters.size(); ++i) {
    const int row = static_cast<int>(i);
    Put(*values_, row, 0, InputCaptionText(parameters[i].input));
    Put(*values_, row, 1, ValueWithInterval(result.values[i], result.halfWidth95, i));
    Put(*values_, row, 2, QString::fromUtf8(FieldOf(parameters[i].input).unit));
    const bool atBound = i < result.atBound.size() && result.atBound[i];
    Put(*values_, row, 3, atBound ? tr("erreicht") : QString());
    if (atBound) {
      for (int c = 0; c < values_->columnCount(); ++c) values_->item(row, c)->setForeground(QColor(160, 80, 0));
    }
  }
}

// A square of two-decimal correlations, headed by the parameters' captions; none without intervals.
void FitResultView::fillCorrelation(const FitResult& result, const std::vector<FitParameter>& parameters) {
  const int n = static_cast<int>(result.correlation.size());
  correlation_->setRowCount(n);
  correlation_->setColumnCount(n);
  // Rows named by number and caption, columns by number only: the square stays narrow.
  QStringList rows, columns;
  for (int i = 0; i < n && i < static_cast<int>(parameters.size()); ++i) {
    rows << QStringLiteral("%1 %2").arg(i + 1).arg(InputCaptionText(parameters[static_cast<std::size_t>(i)].input));
    columns << QString::number(i + 1);
  }
  correlation_->setHorizontalHeaderLabels(columns);
  correlation_->setVerticalHeaderLabels(rows);
  correlation_->verticalHeader()->setVisible(n > 0);
  for (int i = 0; i < n; ++i) {
    const std::vector<double>& line = result.correlation[static_cast<std::size_t>(i)];
    for (int j = 0; j < n && j < static_cast<int>(line.size()); ++j) {
      Put(*correlation_, i, j, QString::fromStdString(Format(line[static_cast<std::size_t>(j)], "#0.00")));
    }
  }
}

void FitResultView::fillFigures(const FitResult& result) {
  figures_->setRowCount(static_cast<int>(result.figures.size()));
  for (std::size_t i = 0; i < result.figures.size(); ++i) {
    const FitQuantityFigures& f = result.figures[i];
    const MeasuredQuantityInfo& info = InfoOf(f.quantity);
    const int row = static_cast<int>(i);
    Put(*figures_, row, 0, QString::fromStdString(Tr("Ergebnisse", info.caption)));
    Put(*figures_, row, 1, QString::number(f.points));
    Put(*figures_, row, 2, QString::fromStdString(FormatSignificant(f.rmse, 3)));
    Put(*figures_, row, 3, QString::fromUtf8(info.unit));
    Put(*figures_, row, 4, QString::fromStdString(Format(f.r2, "#0.0000")));
  }
}

}  // namespace lamvero
