#include "ui/fitting/searchtexts.h"

#include <cmath>
#include <cstring>

#include "run/resultdescriptors.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "text/parseduration.h"
#include "text/parsenumber.h"
#include "text/trim.h"

namespace lamvero {

bool IsDurationUnit(const char* unit) { return std::strcmp(unit, "s") == 0; }

QString QuantityText(double value, const char* unit) {
  if (!std::isfinite(value)) return QStringLiteral("–");
  const QString text = LimitBoxText(value, unit);
  if (IsDurationUnit(unit) || *unit == '\0') return text;
  return text + QLatin1Char(' ') + QString::fromUtf8(unit);
}

QString BoxUnit(const char* unit) { return IsDurationUnit(unit) ? QStringLiteral("h:mm:ss") : QString::fromUtf8(unit); }

QString LimitBoxText(double value, const char* unit) {
  if (IsDurationUnit(unit)) return QString::fromStdString(FormatDuration(std::ceil(value))).trimmed();
  return QString::fromStdString(FormatSixDigits(value));
}

std::optional<double> ReadLimitBox(const QString& text, const char* unit) {
  const std::string typed = text.toStdString();
  if (IsDurationUnit(unit)) return ParseDuration(typed);
  const InputNumber number = ReadInputNumber(typed);
  if (number.reading != NumberReading::Number) return std::nullopt;
  return number.value;
}

double LimitedValue(const OptimiseLimitInfo& limit, const RunRecord& record) {
  return std::fabs(ResultOf(limit.resultKey).value(record));
}

const OptimiseGoalInfo& GoalInfo(OptimiseGoal goal) {
  for (const OptimiseGoalInfo& info : OptimiseGoals()) {
    if (info.id == goal) return info;
  }
  return OptimiseGoals().front();  // every goal has its row
}

QString InputCaptionText(Input input) {
  return QString::fromStdString(WithoutTrailingBlanks(Tr("Eingabefelder", FieldOf(input).caption)));
}

QString GoalCaptionText(const OptimiseGoalInfo& goal) {
  return QString::fromStdString(Tr("Optimierung", goal.caption));
}

QString LimitCaptionText(const OptimiseLimitInfo& limit) {
  return QString::fromStdString(Tr("Optimierung", limit.caption));
}

const OptimiseLimitInfo& LimitInfo(OptimiseLimit limit) {
  for (const OptimiseLimitInfo& info : OptimiseLimits()) {
    if (info.id == limit) return info;
  }
  return OptimiseLimits().front();  // every limit has its row
}

}  // namespace lamvero
