// The job file: job.save gives the .capjob text the desktop writes, and
// job.open takes one, refused with the field and the line when it is not a
// job this program opens. The page asks its user about unsaved work before
// it opens a job, so the core's own question is answered 不保存.

#include "file_texts.h"
#include "job_file.h"
#include "web_ops.h"

namespace capset::web {
namespace {

Json JobSave(WebState& state, const Args& args) {
  const std::string name = args.OptionalText("fileName").value_or(state.jobName);
  if (!state.files.SaveJob(name)) {
    state.RefuseIfReported();
    RefuseWhole(kNothingToSave);
  }
  state.jobName = name;
  const std::optional<std::string> text = state.store.Take(name);
  return Json{{"fileName", FileNameOf(name)}, {"text", text.value_or("")}, {"mime", "application/json"}};
}

// The job's text for the page to keep on the device between visits: the
// file a save would write, without the job counting as saved (the user
// has not saved it anywhere) or its name changing.
Json JobText(WebState& state, const Args&) {
  const std::optional<JobFile> job = state.files.CurrentJob();
  if (!job) RefuseWhole(kNothingToSave);
  return Json{{"fileName", FileNameOf(state.jobName)}, {"text", WriteJobFile(*job)}, {"mime", "application/json"}};
}

[[noreturn]] void RefuseJob(const std::string& file, const JobFileProblem& problem) {
  throw Refusal{{{problem.line, JobRefusedMessage(file, problem, JobShownIn::kPage), problem.field}}};
}

Json JobOpen(WebState& state, const Args& args) {
  const std::string text = args.Text("text");
  const std::string name = args.OptionalText("fileName").value_or(kJobFileName);
  const std::string file = FileNameOf(name);
  // What the session would refuse, found first, so that the refusal names
  // its field: the file read, then its answers and its heights checked on
  // the road it brings. Nothing has changed yet.
  const auto read = ReadJobFile(text.size() > kJobFileMaxBytes ? text.substr(0, kJobFileMaxBytes + 1) : text);
  if (const auto* problem = std::get_if<JobFileProblem>(&read)) RefuseJob(file, *problem);
  const JobFile& job = std::get<JobFile>(read);
  const auto located = [&job](JobFileProblem problem) {
    problem.line = job.LineOf(problem.field);
    return problem;
  };
  const std::optional<TypedStart> start = job.start.answers.empty() ? std::nullopt : std::optional(job.start);
  if (start) {
    if (auto problem = state.session.CheckJob(*start)) RefuseJob(file, located(*problem));
  }
  if (auto problem = state.session.CheckHeights(start, job.road, job.profile, job.section)) {
    RefuseJob(file, located(*problem));
  }
  state.store.Put(name, text);
  state.prompt.Agree(kDiscardAnswer);
  const bool opened = state.files.OpenJob(name, {});
  state.prompt.Agree(std::nullopt);
  if (!opened) {
    state.RefuseIfReported();
    RefuseWhole(JobUnreadableMessage(file, "", JobShownIn::kPage));
  }
  state.jobName = name;
  return StateAnswer(state);
}

}  // namespace

void AddJobOps(OpTable& ops) {
  ops["job.save"] = JobSave;
  ops["job.open"] = JobOpen;
  ops["job.text"] = JobText;
}

}  // namespace capset::web
