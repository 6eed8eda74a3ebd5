#include "ui/fitting/optimiseresulttext.h"

#include <QCoreApplication>

#include "text/language.h"
#include "ui/fitting/searchtexts.h"
#include "ui/shell/progresstext.h"

namespace lamvero {

namespace {

const char* const kRed = "#c00000";

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString Row(const QString& name, const QString& value, const QString& note = {}) {
  return QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;%2</td><td>&nbsp;%3</td></tr>").arg(name, value, note);
}

QString Red(const QString& html) { return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(QLatin1String(kRed), html); }

QString Headline(const OptimiseResult& result) {
  const QString runs = QCoreApplication::translate("OptimiseResultText", "%1 Läufe in %2")
                           .arg(result.runs)
                           .arg(DurationText(result.seconds));
  switch (result.status) {
    case OptimiseResult::Status::Found:
      return QCoreApplication::translate("OptimiseResultText", "<b>Optimum gefunden</b> (%1).").arg(runs);
    case OptimiseResult::Status::Infeasible:
      return Red(QCoreApplication::translate("OptimiseResultText", "<b>Kein zulässiger Punkt gefunden</b> (%1): %2")
                     .arg(runs, Escaped(result.message)));
    case OptimiseResult::Status::Stopped:
      return result.values.empty()
                 ? QCoreApplication::translate("OptimiseResultText",
                                               "<b>Abgebrochen</b> (%1), bis dahin kein zulässiger Punkt.")
                       .arg(runs)
                 : QCoreApplication::translate("OptimiseResultText",
                                               "<b>Abgebrochen</b> (%1); der beste zulässige Punkt bis dahin:")
                       .arg(runs);
    case OptimiseResult::Status::Failed:
      break;
  }
  return Red(QCoreApplication::translate("OptimiseResultText", "<b>Die Suche ist gescheitert:</b> %1")
                 .arg(Escaped(result.message)));
}

QString ConstraintRows(const std::vector<ConstraintState>& states) {
  QString rows;
  for (const ConstraintState& state : states) {
    const OptimiseLimitInfo& info = LimitInfo(state.constraint.limit);
    const QString note = state.violated ? Red(ConstraintStateText(state)) : ConstraintStateText(state);
    rows += Row(QStringLiteral("%1 %2").arg(LimitCaptionText(info).toHtmlEscaped(),
                                            QuantityText(state.constraint.atMost, info.unit)),
                QuantityText(state.value, info.unit), note);
  }
  return rows;
}

// The check run's goal and each limited result (its limit plus the run's excess).
QString CheckRows(const OptimiseProblem& problem, const SearchPoint& check) {
  const OptimiseGoalInfo& goal = GoalInfo(problem.goal);
  QString rows = Row(
      QCoreApplication::translate("OptimiseResultText", "%1 (Kontrolllauf)").arg(GoalCaptionText(goal).toHtmlEscaped()),
      QuantityText(check.goal, goal.unit),
      check.feasible ? QCoreApplication::translate("OptimiseResultText", "zulässig")
                     : Red(QCoreApplication::translate("OptimiseResultText", "nicht zulässig")));
  for (std::size_t i = 0; i < problem.constraints.size() && i < check.excess.size(); ++i) {
    const OptimiseConstraint& c = problem.constraints[i];
    const OptimiseLimitInfo& info = LimitInfo(c.limit);
    rows += Row(QCoreApplication::translate("OptimiseResultText", "%1 (Kontrolllauf)")
                    .arg(LimitCaptionText(info).toHtmlEscaped()),
                QuantityText(c.atMost + check.excess[i], info.unit),
                check.excess[i] > 0 ? Red(QCoreApplication::translate("OptimiseResultText", "verletzt"))
                                    : QCoreApplication::translate("OptimiseResultText", "eingehalten"));
  }
  return rows;
}

}  // namespace

QString ConstraintStateText(const ConstraintState& state) {
  if (state.violated) return QCoreApplication::translate("OptimiseResultText", "verletzt");
  return state.active ? QCoreApplication::translate("OptimiseResultText", "aktiv")
                      : QCoreApplication::translate("OptimiseResultText", "eingehalten");
}

QString OptimiseResultHtml(const OptimiseProblem& problem, const OptimiseResult& result) {
  QString html = QStringLiteral("<p>%1</p>").arg(Headline(result));
  if (result.values.size() != problem.decisions.size()) return html;  // no point to show
  QString rows;
  for (const DecisionInput& d : problem.decisions) {
    const InputField& f = FieldOf(d.input);
    rows += Row(InputCaptionText(d.input).toHtmlEscaped(), Escaped(ShownInputText(result.optimum[d.input])),
                Escaped(f.unit));
  }
  const OptimiseGoalInfo& goal = GoalInfo(problem.goal);
  rows += Row(QStringLiteral("<b>%1</b>").arg(GoalCaptionText(goal).toHtmlEscaped()),
              QStringLiteral("<b>%1</b>").arg(QuantityText(result.goal, goal.unit)));
  rows += ConstraintRows(result.constraints);
  if (result.check) rows += CheckRows(problem, *result.check);
  return html + QStringLiteral("<table>%1</table>").arg(rows);
}

}  // namespace lamvero
