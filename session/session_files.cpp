#include "session_files.h"

#include "file_texts.h"
#include "job_file.h"
#include "landxml_profile_texts.h"
#include "landxml_texts.h"
#include "log_row.h"
#include "road_cap_texts.h"

namespace capset {

std::optional<JobFile> SessionFiles::CurrentJob() const {
  const std::optional<TypedStart>& typed = session_.TypedAnswers();
  const bool heights = session_.ProfileSource() || session_.CrossSectionSource() != CrossSectionInput{};
  const bool bridges = !session_.Templates().empty() || !session_.Bridges().empty();
  const bool polar = session_.Station() || session_.StationBacksight();
  if (!typed && !session_.BatchList() && !session_.RoadSource() && !heights && !bridges && !polar) return std::nullopt;
  return JobFile{typed ? *typed : TypedStart{decimal_, {}},
                 session_.BatchList(),
                 session_.RoadSource(),
                 session_.ProfileSource(),
                 session_.CrossSectionSource(),
                 session_.Templates(),
                 session_.Bridges(),
                 session_.Station(),
                 session_.StationBacksight()};
}

bool SessionFiles::Modified() const {
  const std::optional<JobFile> job = CurrentJob();
  return job && job != saved_;
}

bool SessionFiles::SaveJob(const std::string& path) {
  const std::optional<JobFile> job = CurrentJob();
  if (!job) {
    reporter_.ReportInformation(kNothingToSave);
    return false;
  }
  if (const auto failure = store_.WriteWhole(path, WriteJobFile(*job))) {
    reporter_.ReportError(JobUnwritableMessage(FileNameOf(path), failure->reason));
    return false;
  }
  path_ = path;
  saved_ = job;
  return true;
}

bool SessionFiles::OpenJob(const std::string& path, const SaveAction& save) {
  // One byte more than a job may have tells a file that is too big.
  const auto bytes = store_.Read(path, kJobFileMaxBytes);
  if (const auto* failure = std::get_if<FileFailure>(&bytes)) {
    reporter_.ReportError(JobUnreadableMessage(FileNameOf(path), failure->reason));
    return false;
  }
  const auto read = ReadJobFile(std::get<std::string>(bytes));
  if (const auto* problem = std::get_if<JobFileProblem>(&read)) {
    reporter_.ReportError(JobRefusedMessage(FileNameOf(path), *problem));
    return false;
  }
  const JobFile& job = std::get<JobFile>(read);
  auto refuse = [&](JobFileProblem problem) {
    problem.line = job.LineOf(problem.field);
    reporter_.ReportError(JobRefusedMessage(FileNameOf(path), problem));
    return false;
  };
  // Only a job that opens asks about the one it would replace.
  if (!job.start.answers.empty()) {
    if (auto problem = session_.CheckJob(job.start)) return refuse(*problem);
  }
  // The profile is placed on the road the job will have, before anything changes.
  const std::optional<TypedStart> start = job.start.answers.empty() ? std::nullopt : std::optional(job.start);
  if (auto problem = session_.CheckHeights(start, job.road, job.profile, job.section)) return refuse(*problem);
  if (!MayDiscard(Discarding::kOpenJob, save)) return false;
  if (job.start.answers.empty()) {
    session_.ClearStart();
  } else if (auto problem = session_.OpenJob(job.start)) {
    return refuse(*problem);
  }
  // The road was made when the file was read, so it is set here without fail;
  // a job without one of its own solves on the road its Start implies.
  if (job.road) {
    session_.SetRoad(*job.road);
  } else if (session_.RoadSource()) {
    session_.ClearRoad();
  }
  session_.SetBatchList(job.batch);
  // Checked above on this very road, so it is set without fail.
  session_.SetHeights(job.profile, job.section);
  // The job's templates and bridges replace the session's, none when it
  // has none: another job's bridge must not be saved into this one.
  session_.ReplaceBridges(job.templates, job.bridges);
  // The station and the backsight are the job's too: none when it has none.
  session_.ReplacePolar(job.station, job.backsight);
  path_ = path;
  saved_ = CurrentJob();
  return true;
}

bool SessionFiles::AskToSave(const std::string& question, const SaveAction& save) {
  const std::optional<int> choice = session_.Prompter().Choose(question, {kSaveAnswer, kDiscardAnswer});
  if (!choice) return false;
  // A save that did not go through has said why; nothing is discarded.
  return *choice == 1 || (save && save());
}

bool SessionFiles::MayDiscard(Discarding what, const SaveAction& save) {
  if (!Modified()) return true;
  return AskToSave(UnsavedJobQuestion(what, path_.empty() ? "" : FileNameOf(path_)), save);
}

std::vector<int> SessionFiles::RowsOnRoad() const {
  std::vector<int> rows;
  for (const CapRecord& r : session_.Log().Records()) {
    if (r.Exact() != nullptr) rows.push_back(r.number);
  }
  return rows;
}

bool SessionFiles::MayReplaceRoad(const SaveAction& save, bool profileToo) {
  const std::vector<int> rows = RowsOnRoad();
  const bool roadUnsaved = session_.RoadSource() && (!saved_ || saved_->road != session_.RoadSource());
  const bool profileUnsaved =
      profileToo && session_.ProfileSource() && (!saved_ || saved_->profile != session_.ProfileSource());
  if (roadUnsaved || profileUnsaved) {
    const Discarding what = roadUnsaved ? Discarding::kReplaceRoad : Discarding::kReplaceProfile;
    return AskToSave(UnsavedJobQuestion(what, path_.empty() ? "" : FileNameOf(path_), rows), save);
  }
  if (rows.empty()) return true;
  return session_.Prompter().Choose(ReplaceSolvedRoadQuestion(rows), {kReplaceRoadAnswer}).has_value();
}

bool SessionFiles::MayApplyRoad(const RoadInput& input) {
  const std::optional<RoadInput>& road = session_.RoadSource();
  if (!road || *road == input) return true;
  const std::vector<int> rows = RowsOnRoad();
  if (rows.empty()) return true;
  return session_.Prompter().Choose(ReplaceSolvedRoadQuestion(rows), {kReplaceRoadAnswer}).has_value();
}

std::optional<std::string> SessionFiles::ImportRoad(const std::string& path, const std::optional<std::string>& name,
                                                    RoadFileFormat& format, const SaveAction& save,
                                                    const AlignmentPick& pick) {
  const std::string file = FileNameOf(path);
  importedProfile_.reset();
  auto refuse = [this, &file](const LandXmlProblem& problem) {
    reporter_.ReportError(LandXmlRefusedMessage(file, problem));
    return std::nullopt;
  };
  if (const auto problem = format.Read(path)) return refuse(*problem);
  const std::vector<RoadFileAlignment> alignments = format.Alignments();
  std::variant<RoadInput, LandXmlProblem> chosen = LandXmlProblem{LandXmlFault::kNoAlignment};
  std::string alignment = name.value_or("");
  int index = 0;
  if (!name && pick && alignments.size() > 1) {
    const std::optional<int> picked = pick(alignments);
    if (!picked || *picked < 0 || *picked >= static_cast<int>(alignments.size())) return std::nullopt;
    alignment = alignments[*picked].name;
    index = *picked;
    chosen = format.RoadAt(*picked);
  } else {
    chosen = format.RoadNamed(name);
    if (!name && alignments.size() == 1) alignment = alignments.front().name;
    // A name the file gives twice refused the road; found once, it is the one.
    for (std::size_t i = 0; name && i < alignments.size(); ++i) {
      if (alignments[i].name == *name) index = static_cast<int>(i);
    }
  }
  if (const auto* p = std::get_if<LandXmlProblem>(&chosen)) return refuse(*p);
  // The file's profile, placed on the road it comes with, is known before
  // anything changes: a profile typed and not saved is asked about too.
  const RoadBuild built = BuildRoad(std::get<RoadInput>(chosen));
  const std::optional<RoadFileProfile> profile = built.road ? format.ProfileAt(index, *built.road) : std::nullopt;
  // A file that gives a road asks about the road it would replace.
  if (!MayReplaceRoad(save, built.road && ReplacesProfile(profile, *built.road))) return std::nullopt;
  if (const auto problem = session_.SetRoad(std::get<RoadInput>(chosen))) {
    // The reader builds the road before it hands it over; this is a last guard.
    return refuse({LandXmlFault::kRoad, "", 0, {}, {}, {}, 0, *problem});
  }
  // A file in feet was converted as it was read; the user is told so, as a
  // surveyor checks the unit of every file from outside.
  if (const RoadFileUnit unit = format.Unit(); unit.metresPerUnit != 1) {
    reporter_.ReportNotice(LandXmlUnitNotice(file, unit.name, unit.surveyFoot));
  }
  ImportProfile(file, profile);
  return alignment;
}

bool SessionFiles::ExportRoad(const std::string& path, const RoadFileFormat& format) {
  const Road* road = session_.WorkingRoad();
  if (road == nullptr) {
    reporter_.ReportInformation(kNoRoadToExport);
    return false;
  }
  std::string unwritten;
  const std::vector<RoadFilePvi> profile = ProfileToWrite(unwritten);
  if (const auto failure = store_.WriteWhole(path, format.Write(*road, profile))) {
    reporter_.ReportError(LandXmlUnwritableMessage(FileNameOf(path), failure->reason));
    return false;
  }
  if (session_.ProfileSource() && profile.empty()) {
    reporter_.ReportNotice(LandXmlProfileNotWrittenNotice(FileNameOf(path), unwritten));
  }
  return true;
}

std::optional<int> SessionFiles::Export(const std::string& path, ExportFormat format, const std::vector<int>& rows) {
  const CapLog& log = session_.Log();
  std::vector<const CapRecord*> records;
  if (rows.empty()) {
    for (const CapRecord& r : log.Records()) records.push_back(&r);
  } else {
    for (int row : rows) records.push_back(&log.At(row));
  }
  if (records.empty()) {
    reporter_.ReportInformation(kNothingToExport);
    return std::nullopt;
  }
  // Points the program knows to be wrong are never written unannounced.
  std::vector<int> pastEnd;
  for (const CapRecord* r : records) {
    if (PastSpiralEnd(*r)) pastEnd.push_back(r->number);
  }
  if (!pastEnd.empty() && !session_.Prompter().Choose(PastSpiralEndExportQuestion(pastEnd), {kExportAnyway})) {
    return std::nullopt;
  }
  // Two caps of one label would give points of one name, and the
  // instrument would keep one of them: the user hears of it first.
  if (format == ExportFormat::kDat) {
    const std::vector<SharedLabel> shared = SharedLabels(records);
    if (!shared.empty() && !session_.Prompter().Choose(SharedLabelsQuestion(shared), {kExportWithSuffix})) {
      return std::nullopt;
    }
  }
  if (const auto failure = store_.WriteWhole(path, ExportText(format, records))) {
    reporter_.ReportError(ExportFailedMessage(path, failure->reason));
    return std::nullopt;
  }
  return static_cast<int>(records.size());
}

}  // namespace capset
