// The solvers as the user meets them: ask, solve, show.

#include "solver_dialogue.h"

#include "cap_result.h"
#include "cap_solve.h"
#include "cap_warnings.h"
#include "questions.h"
#include "refusals.h"
#include "road_cap_texts.h"
#include "solver_texts.h"
#include "window_exact.h"

namespace capset {
namespace {

// The solver's questions, each answer stored in the job as soon as it is
// read; nothing when the user cancels. The square cap asks no Kp.
std::optional<CapAnswers> AskAnswers(Solver solver, const CapDesign& design, SolverAnswers stored, Seam& seam) {
  Questions ask(seam);
  if (solver != Solver::kCmd5) {
    const auto kp = ask.Double(kAskKp, [&](double kp) { return CheckKp(solver, design, kp); });
    if (!kp) return std::nullopt;
    stored.Kp = *kp;
  }
  const auto dr = ask.Float(kAskDR, [&](float dr) { return CheckDR(solver, dr); });
  if (!dr) return std::nullopt;
  stored.DR = *dr;
  const auto precision = ask.Float(kAskPrecision, [&](float p) { return CheckPrecision(solver, p); });
  if (!precision) return std::nullopt;
  stored.Precision = *precision;
  return CapAnswers{stored.Kp, stored.DR, stored.Precision};
}

}  // namespace

std::optional<CapSolution> AskSolveShow(Solver solver, const CapDesign& design, SolverAnswers stored, Seam& seam) {
  if (const std::optional<Refusal> refusal = CheckDesign(solver, design)) {
    seam.reporter.ReportError(RefusedJobMessage(*refusal));
    return std::nullopt;
  }
  const std::optional<CapAnswers> answers = AskAnswers(solver, design, stored, seam);
  if (!answers) return std::nullopt;
  const CapSolution solution = SolveCap(solver, design, *answers);
  WriteResult(ResultTexts(solution, seam.reader.DecimalSeparator()), seam.boxes);
  const CapWarnings warnings = CheckCap(solution);
  std::optional<std::string> notice = RunNotice(solution, warnings);
  // Where the formulas cannot be trusted, the exact points come with the
  // warning; the boxes keep the window's own numbers.
  if (!warnings.Empty()) {
    if (const auto exact = ExactCapOf(solution)) {
      if (const auto text = ExactBesideWindowText(solution, exact->cap, exact->outerSide)) *notice += "\n" + *text;
    }
  }
  if (notice) seam.reporter.ReportNotice(*notice);
  return solution;
}

}  // namespace capset
