// The session's Start: typed, or a saved job's answers given to the same
// chain of questions; it counts only when it completes.

#include <set>

#include "cap_session.h"
#include "handlers.h"
#include "job_file.h"
#include "job_file_keys.h"
#include "job_file_problem.h"

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
  // What Start tells of the answers it took (a packed angle read on) is
  // told once the job is open.
  void ReportNotice(const std::string& message) override { notices.push_back(message); }

  std::optional<JobFileProblem> problem;
  std::vector<std::string> notices;

 private:
  std::string Where() const { return std::string(job_keys::kStart) + "." + current_; }

  const TypedStart& start_;
  std::string decimal_;
  std::set<std::string> asked_;
  std::string current_;
};

// Boxes written by a Start that only checks a saved job's answers: nothing shows.
class UnseenBoxes : public BoxWriter {
 public:
  void WriteBox(int, const std::string&) override {}
};

}  // namespace

std::variant<CapJob, JobFileProblem> CapSession::StartedJob(const TypedStart& start) const {
  FileAnswers answers(start, seam_.reader.DecimalSeparator());
  UnseenBoxes boxes;
  Seam seam{answers, seam_.reader, answers, boxes};
  CapJob scratch = job_;
  if (Command1_Click(scratch, seam)) return scratch;
  return answers.problem ? *answers.problem : JobFileProblem{JobFileFault::kIncomplete, job_keys::kStart};
}

std::optional<JobFileProblem> CapSession::CheckJob(const TypedStart& start) const {
  auto started = StartedJob(start);
  if (const auto* problem = std::get_if<JobFileProblem>(&started)) return *problem;
  return std::nullopt;
}

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
  MakeStartRoad();
  for (SessionObserver* o : observers_) o->StartCompleted();
  return true;
}

void CapSession::ClearStart() {
  job_ = CapJob{};
  typed_.reset();
  startRoad_ = RoadBuild{};
  startRoadInput_ = JobRoadInput{};
  mirror_.Restore(BoxMirror::Texts{});
  for (SessionObserver* o : observers_) o->StartCompleted();
  if (!road_) RemakeHeights();
}

void CapSession::Start() { RunStart(seam_.prompt, seam_.reporter); }

std::optional<JobFileProblem> CapSession::OpenJob(const TypedStart& start) {
  FileAnswers answers(start, seam_.reader.DecimalSeparator());
  if (RunStart(answers, answers)) {
    for (const std::string& notice : answers.notices) seam_.reporter.ReportNotice(notice);
    return std::nullopt;
  }
  return answers.problem ? *answers.problem : JobFileProblem{JobFileFault::kIncomplete, job_keys::kStart};
}

}  // namespace capset
