#include "session_files.h"

#include "file_texts.h"
#include "job_file.h"
#include "log_row.h"
#include "road_cap_texts.h"

namespace capset {

bool SessionFiles::SaveJob(const std::string& path, const std::optional<BatchInput>& batch) {
  const std::optional<TypedStart>& typed = session_.TypedAnswers();
  if (!typed) {
    reporter_.ReportInformation(kNothingToSave);
    return false;
  }
  if (const auto failure = store_.WriteWhole(path, WriteJobFile({*typed, batch, {}}))) {
    reporter_.ReportError(JobUnwritableMessage(FileNameOf(path), failure->reason));
    return false;
  }
  return true;
}

std::optional<std::optional<BatchInput>> SessionFiles::OpenJob(const std::string& path) {
  // One byte more than a job may have tells a file that is too big.
  const auto bytes = store_.Read(path, kJobFileMaxBytes);
  if (const auto* failure = std::get_if<FileFailure>(&bytes)) {
    reporter_.ReportError(JobUnreadableMessage(FileNameOf(path), failure->reason));
    return std::nullopt;
  }
  const auto read = ReadJobFile(std::get<std::string>(bytes));
  if (const auto* problem = std::get_if<JobFileProblem>(&read)) {
    reporter_.ReportError(JobRefusedMessage(FileNameOf(path), *problem));
    return std::nullopt;
  }
  const JobFile& job = std::get<JobFile>(read);
  if (auto problem = session_.OpenJob(job.start)) {
    problem->line = job.LineOf(problem->field);
    reporter_.ReportError(JobRefusedMessage(FileNameOf(path), *problem));
    return std::nullopt;
  }
  return job.batch;
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
