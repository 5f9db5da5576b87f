#include "cap_session.h"

#include <algorithm>
#include <set>

#include "batch_solve.h"
#include "batch_texts.h"
#include "handlers.h"
#include "job_file_keys.h"
#include "job_file_problem.h"
#include "log_row.h"
#include "refusals.h"
#include "solver_texts.h"

namespace capset {
namespace {

// Keeps the last answer given to each question of Start, by field.
class RecordingPrompt : public Prompt {
 public:
  explicit RecordingPrompt(Prompt& inner) : inner_(inner) {}
  std::optional<std::string> Ask(const std::string& question) override {
    std::optional<std::string> answer = inner_.Ask(question);
    if (answer) {
      if (const char* field = StartFieldOf(question)) answers[field] = *answer;
    }
    return answer;
  }
  std::map<std::string, std::string> answers;

 private:
  Prompt& inner_;
};

// A saved job's answers, given to Start's questions. A question asked a
// second time means its answer was refused: the answering stops there, and
// the refusal is kept with its field.
class FileAnswers : public Prompt, public ErrorReporter {
 public:
  FileAnswers(const TypedStart& start, std::string decimal) : start_(start), decimal_(std::move(decimal)) {}

  std::optional<std::string> Ask(const std::string& question) override {
    const char* field = StartFieldOf(question);
    if (field == nullptr || asked_.contains(field) || problem) return std::nullopt;
    asked_.insert(field);
    current_ = field;
    const auto answer = start_.answers.find(field);
    if (answer == start_.answers.end()) {
      problem = JobFileProblem{JobFileFault::kMissing, Where()};
      return std::nullopt;
    }
    return WithDecimal(answer->second, start_.decimal, decimal_);
  }
  void ReportError(const std::string& message) override {
    if (!problem) problem = JobFileProblem{JobFileFault::kRefusedByStart, Where(), 0, message.substr(0, message.find('\n'))};
  }
  void ReportNotice(const std::string&) override {}

  std::optional<JobFileProblem> problem;

 private:
  std::string Where() const { return std::string(job_keys::kStart) + "." + current_; }

  const TypedStart& start_;
  std::string decimal_;
  std::set<std::string> asked_;
  std::string current_;
};

}  // namespace

bool CapSession::RunStart(Prompt& prompt, ErrorReporter& reporter) {
  RecordingPrompt recording(prompt);
  Seam seam{recording, seam_.reader, reporter, mirror_};
  const CapJob jobBefore = job_;
  const BoxMirror::Texts boxesBefore = mirror_.Shown();
  if (!Command1_Click(job_, seam)) {
    job_ = jobBefore;
    mirror_.Restore(boxesBefore);
    return false;
  }
  for (int number : box::kResults) mirror_.WriteBox(number, "");
  typed_ = TypedStartOf(recording.answers, seam_.reader.Symbols());
  for (SessionObserver* o : observers_) o->StartCompleted();
  return true;
}

void CapSession::Start() { RunStart(seam_.prompt, seam_.reporter); }

std::optional<JobFileProblem> CapSession::OpenJob(const TypedStart& start) {
  FileAnswers answers(start, seam_.reader.DecimalSeparator());
  if (RunStart(answers, answers)) return std::nullopt;
  return answers.problem ? *answers.problem : JobFileProblem{JobFileFault::kIncomplete, job_keys::kStart};
}

void CapSession::Compute() {
  const std::optional<Solver> choice = ChooseSolver(job_);
  for (SessionObserver* o : observers_) o->SolverChosen(choice);
  if (!choice) {
    seam_.reporter.ReportNotice(NoSolverNotice(WhyNoSolver(job_)));
    return;
  }
  const std::optional<CapSolution> solution = Command2_Click(choice, job_, seam_);
  if (!solution) return;
  log_.Add({RecordOf(*solution)});
  for (SessionObserver* o : observers_) o->CapComputed(*solution);
}

bool CapSession::Batch(const BatchInput& input) {
  const std::optional<Solver> solver = ChooseSolver(job_);
  if (!solver) {
    seam_.reporter.ReportError(BatchNoSolverMessage(WhyNoSolver(job_)));
    return false;
  }
  // What the job refuses, every station refuses: nothing runs. A square
  // cap's Kj is each station's own, so the job is checked with Kj at ZH and
  // each station with its own.
  const CapDesign design = DesignFor(*solver, job_);
  CapDesign jobWide = design;
  if (*solver == Solver::kCmd5) jobWide.Kj = jobWide.origin;
  if (const auto refusal = CheckDesign(*solver, jobWide)) {
    seam_.reporter.ReportError(RefusedJobMessage(*refusal));
    return false;
  }
  auto checked = CheckBatch(input, *solver, seam_.reader.Symbols());
  if (const auto* problems = std::get_if<std::vector<std::string>>(&checked)) {
    seam_.reporter.ReportError(BatchRejectedMessage(*problems, kMaxListedProblems));
    return false;
  }
  std::vector<CapRecord> records = SolveBatch(std::get<BatchPlan>(checked), *solver, design);
  const int caps = static_cast<int>(records.size());
  const int solved = static_cast<int>(std::ranges::count_if(records, FullySolved));
  log_.Add(std::move(records));
  seam_.reporter.ReportNotice(BatchSummaryMessage(caps, solved));
  return true;
}

}  // namespace capset
