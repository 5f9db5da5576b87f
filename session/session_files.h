#pragma once
// The session's files: a job saved and opened, the log's rows exported, the
// road imported and exported. Each step reports its own failure through
// the seam, naming the file and the reason, and a failure changes nothing:
// the job in the window, the old file, the log all stay as they were.
//
// It also keeps what the job's file holds, so that no step discards
// unsaved work without asking: opening another job, quitting and replacing
// the job's road ask first 保存 / 不保存 / 取消.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "as_built_check.h"
#include "batch_input.h"
#include "cap_session.h"
#include "export_formats.h"
#include "file_store.h"
#include "file_texts.h"
#include "job_file.h"
#include "road_file_format.h"
#include "seam.h"
#include "station_table.h"

namespace capset {

// The job's profile as a road file writes it: stations as typed, each
// curve in the file's terms, its lengths from `profile` (made from `input`).
std::vector<RoadFilePvi> FilePvis(const ProfileInput& input, const Profile& profile);

class SessionFiles {
 public:
  // `decimal`: the separator the user's locale types numbers with, kept
  // in the file of a job that was never started.
  SessionFiles(CapSession& session, FileStore& store, ErrorReporter& reporter, std::string decimal = ".")
      : session_(session), store_(store), reporter_(reporter), decimal_(std::move(decimal)) {}

  // The job as a save writes it now: Start's answers (none when the job
  // was never started), the batch list, the road, the heights, the
  // templates and bridges; nothing when it holds none of them.
  std::optional<JobFile> CurrentJob() const;
  // True when the job holds work that its file does not (all of it, when
  // it has no file yet).
  bool Modified() const;
  // The job's file, as given to the last save or open; empty when none.
  const std::string& JobPath() const { return path_; }

  // Saves the job as the menu's 保存作业 does (to its file, or asking for
  // one); true when it was written.
  using SaveAction = std::function<bool()>;

  // The job to `path`; it is the job's file from then on. False, with a
  // report, when there is nothing to save or the file cannot be written.
  bool SaveJob(const std::string& path);

  // Opens the job in `path` as the window's, read exactly as if its
  // answers had been typed; its batch list becomes the job's. False, with
  // a report, when the file is not a job: nothing changes then.
  // A good file asks first, as MayDiscard does, when the job holds unsaved
  // work.
  bool OpenJob(const std::string& path, const SaveAction& save);

  // Before `what` discards the job: when it holds unsaved work, asks
  // 保存 / 不保存 / 取消. True when the caller may go on: nothing was
  // unsaved, 不保存, or 保存 and `save` wrote the job. 取消, or a save
  // that did not go through, keeps everything as it was.
  bool MayDiscard(Discarding what, const SaveAction& save);

  // Before the job's road is replaced by another: asks as MayDiscard does
  // when the road is not in the job's file, else, when the log holds caps
  // solved on a road, whether to go on; either question says that those
  // rows keep the road they were solved on.
  // `profileToo`: the job's profile is replaced with it; it is asked about
  // as the road is when it is not saved.
  bool MayReplaceRoad(const SaveAction& save, bool profileToo = false);

  // Before the road window's table replaces the job's own road: when the
  // log holds caps solved on a road, asks whether to go on, saying that
  // those rows keep the road they were solved on. True to go on.
  bool MayApplyRoad(const RoadInput& input);

  // A road file's alignment as the job's road: the one named, the file's
  // only one, or (several, none named) the one `pick` chooses from the
  // list (nothing: no import); without `pick` the refusal lists them.
  // MayReplaceRoad asks first. The alignment's profile comes with it and
  // replaces the job's; a profile the file gets wrong, or that does not lie
  // on the road, is refused on its own (the road still comes in, the job's
  // profile stays) with a report naming the element. A file without a
  // profile keeps the job's, with a notice. The alignment's name when the
  // road was imported; nothing otherwise, with a report when the file refused.
  using AlignmentPick = std::function<std::optional<int>(const std::vector<RoadFileAlignment>&)>;
  std::optional<std::string> ImportRoad(const std::string& path, const std::optional<std::string>& name,
                                        RoadFileFormat& format, const SaveAction& save, const AlignmentPick& pick = {});
  // The name of the profile the last import read with its road; nothing
  // when it read none.
  const std::optional<std::string>& ImportedProfile() const { return importedProfile_; }
  // The working road (the job's, else the Start job's) written by `format`
  // to `path`, whole or not at all, with the job's profile when it fits the
  // road (a notice says when it does not); false, with a report, when
  // there is no road or the file cannot be written.
  bool ExportRoad(const std::string& path, const RoadFileFormat& format);

  // Writes the log's rows (all when `rows` is empty) to `path`; how many
  // were written, or nothing, with a report. A point file whose caps share
  // a label is written only when the user agrees to name them apart.
  std::optional<int> Export(const std::string& path, ExportFormat format, const std::vector<int>& rows = {});

  // Writes the points of the job's bridges (BridgeExportNow's) to `path`,
  // whole or not at all; how many points were written, with a notice of
  // the points left out (not placed) when there are any; or nothing, with
  // a report saying what stopped it.
  std::optional<int> ExportBridges(const std::string& path, ExportFormat format, const std::string& bridge = {},
                                   const std::vector<std::string>& bents = {});

  // Writes a station table (station_table_formats.h) to `path`, whole or
  // not at all; false, with a report, when it cannot be written.
  bool ExportTable(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows);

  // Writes the as-built check's results as CSV to `path`, whole or not at
  // all; false, with a report, when there are none or it cannot be written.
  bool ExportCheck(const std::string& path, const std::vector<CheckResult>& results);

 private:
  // The numbers of the log's rows solved exactly on a road.
  std::vector<int> RowsOnRoad() const;
  bool AskToSave(const std::string& question, const SaveAction& save);
  // True when `profile` would replace the job's with another (it reads and
  // lies on `road`), and the file's profile after its road was set
  // (session_road_profile.cpp).
  bool ReplacesProfile(const std::optional<RoadFileProfile>& profile, const Road& road) const;
  void ImportProfile(const std::string& file, const std::optional<RoadFileProfile>& profile);
  // The job's profile as the file writes it; none when the job has none, or
  // when it does not fit the working road (`unwritten` then says why).
  std::vector<RoadFilePvi> ProfileToWrite(std::string& unwritten) const;

  CapSession& session_;
  FileStore& store_;
  ErrorReporter& reporter_;
  std::string decimal_;
  std::string path_;
  std::optional<std::string> importedProfile_;
  // The job as its file holds it, since the last save or open.
  std::optional<JobFile> saved_;
};

}  // namespace capset
