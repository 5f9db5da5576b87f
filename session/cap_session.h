#pragma once
// The window's state without the window: the one job record, the seam, the
// results log, and what a user does with them: Start, Compute, a batch, and
// opening a saved job. Whatever shows a result (the boxes, a sketch, the
// log's table) watches the session or its log.

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "batch_input.h"
#include "box_mirror.h"
#include "bridge_export.h"
#include "bridge_solve.h"
#include "cap_job.h"
#include "cap_log.h"
#include "cap_solution.h"
#include "check_run.h"
#include "job_file_problem.h"
#include "road.h"
#include "road_heights.h"
#include "road_input.h"
#include "road_texts.h"
#include "road_problem.h"
#include "station_table.h"
#include "typed_start.h"
#include "seam.h"

namespace capset {

class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  // At every Compute, before the solver asks anything; nothing when no solver applies.
  virtual void SolverChosen(std::optional<Solver> /*choice*/) {}
  // A Compute reached its end and wrote the result boxes.
  virtual void CapComputed(const CapSolution& /*solution*/) {}
  // A Start went through all its questions (or a job was opened); the
  // previous results are gone.
  virtual void StartCompleted() {}
  // The job's road was set or cleared.
  virtual void RoadChanged() {}
  // The profile or the cross-section was set or cleared, or the road they
  // stand on changed.
  virtual void HeightsChanged() {}
  // A template or a bridge was set or removed, or a job brought its own.
  // A bridge's points also move with the road and the heights: whoever
  // shows them solves again on RoadChanged and HeightsChanged too.
  virtual void BridgesChanged() {}
};

class CapSession {
 public:
  // The session writes the boxes through `seam.boxes`; it keeps a copy of
  // what each box shows.
  explicit CapSession(Seam& seam) : mirror_(seam.boxes), seam_{seam.prompt, seam.reader, seam.reporter, mirror_} {}

  // Observers are not owned; each must outlive the session or be removed.
  void AddObserver(SessionObserver* observer) { observers_.push_back(observer); }
  void RemoveObserver(SessionObserver* observer) { std::erase(observers_, observer); }

  // A Start counts only when it completes: a Start cancelled half-way puts
  // back every job field and every box as they were before it, so no later
  // Compute mixes a new answer with an old job. A completed Start empties
  // the result boxes: they belong to a job that no longer stands.
  void Start();

  // Runs the solver the job calls for; when none applies, says why and what
  // to change. A Compute that reaches its end adds its row to the log.
  void Compute();

  // The batch dialog's OK: every entry is checked first, and any problem is
  // reported, all in one message, with nothing run. Otherwise each station
  // is solved and its row added to the log, and one summary is reported.
  // The same entries run again for the same job, while rows of the earlier
  // run are in the log, ask first whether the new rows replace those or go
  // beside them; Cancel runs nothing. True when the batch ran.
  bool Batch(const BatchInput& input);

  // Opens a saved job: its answers go through the Start chain as if typed,
  // so the job and the boxes read exactly as after typing them. When Start
  // would refuse one of them, nothing changes and the field and the reason
  // come back.
  std::optional<JobFileProblem> OpenJob(const TypedStart& start);
  // What OpenJob would refuse in `start`, without opening it: nothing
  // changes, nothing shows.
  std::optional<JobFileProblem> CheckJob(const TypedStart& start) const;

  // A job opened without Start's answers (a road, a batch list): the
  // window's job is empty again, every box blank, as when the program
  // starts; the observers hear of it as of a Start.
  void ClearStart();

  // The batch list the job owns: the last list run or left in the batch
  // dialog, or the list of the job last opened. A list of no station (or of
  // one empty line) is no list.
  const std::optional<BatchInput>& BatchList() const { return batchList_; }
  void SetBatchList(const std::optional<BatchInput>& list);

  const CapJob& Job() const { return job_; }
  CapLog& Log() { return log_; }
  const CapLog& Log() const { return log_; }

  // The answers of the last completed Start, as typed; nothing before it.
  const std::optional<TypedStart>& TypedAnswers() const { return typed_; }

  // The job's road, as typed or read (@road, a LandXML file, the road
  // window's 应用, a job file). A good input replaces the road and the
  // observers hear of it; a bad one changes nothing and comes back.
  std::optional<RoadProblem> SetRoad(const RoadInput& input);
  // Back to no road of the job's own: caps are solved on the Start job's.
  void ClearRoad();
  // The road as set, its input and the road made from it; nothing when the
  // job has none of its own.
  const std::optional<RoadInput>& RoadSource() const { return roadInput_; }
  const Road* JobRoad() const { return road_ ? &*road_ : nullptr; }
  // The road a cap is solved on: the job's own road when one is set,
  // otherwise the road the Start job implies (after a completed Start);
  // nothing when there is neither, or the Start job makes no road (a P of 0).
  const Road* WorkingRoad() const;
  // Why the Start job makes no road, when it makes none.
  std::optional<RoadProblem> StartRoadProblem() const;
  // Why there is no working road, in the user's words: the Start job's
  // problem, or that no road was given.
  std::string NoRoadText() const;

  // Heights (session_heights.cpp). The profile and the cross-section are
  // kept as typed and made into heights on the working road; when that road
  // changes they are made again. A good input replaces the one before and
  // the observers hear of it; a bad one changes nothing and comes back.
  std::optional<HeightsProblem> SetProfile(const ProfileInput& input);
  void ClearProfile();
  std::optional<HeightsProblem> SetCrossSection(const CrossSectionInput& input);
  const std::optional<ProfileInput>& ProfileSource() const { return profileInput_; }
  // The normal crown of 2 % about the centreline until a section is set.
  const CrossSectionInput& CrossSectionSource() const { return sectionInput_; }
  // The heights of the job; nothing without a profile, or while the
  // profile does not fit the working road (HeightsProblemNow says why).
  const RoadHeights* Heights() const { return heights_ ? &*heights_ : nullptr; }
  const std::optional<HeightsProblem>& HeightsProblemNow() const { return heightsProblem_; }
  // The profile (or none) and the section together, as a job file gives
  // them: both are set, or neither.
  std::optional<HeightsProblem> SetHeights(const std::optional<ProfileInput>& profile, const CrossSectionInput& section);
  // What SetHeights would refuse in a job about to be opened with these
  // Start answers (none: no Start) and this road of its own (none: the
  // road its Start implies), in the job file's terms; nothing changes.
  std::optional<JobFileProblem> CheckHeights(const std::optional<TypedStart>& start,
                                             const std::optional<RoadInput>& road,
                                             const std::optional<ProfileInput>& profile,
                                             const CrossSectionInput& section) const;

  // The 逐桩坐标表 of `request` on the working road; when there is no road,
  // or the request cannot be met on it, why, in the user's words.
  // `fromTyped` and `toTyped` are the stations as the user wrote them, for
  // naming the one the road does not have.
  std::variant<std::vector<StationTableRow>, std::string> MakeStationTable(const StationTableRequest& request,
                                                                           const std::string& fromTyped,
                                                                           const std::string& toTyped) const;

  // The as-built check of `points` against the working road and the caps
  // of the log as they stand (session_check.cpp).
  // A point measured with a height is checked in height too, against `heightTolerance`.
  CheckRun Check(const std::vector<MeasuredPoint>& points, double tolerance,
                 double heightTolerance = kDefaultHeightTolerance) const;

  // The user, for a question a file step must ask first.
  Prompt& Prompter() { return seam_.prompt; }

 private:
  // What a batch's rows rest on besides its entries: the window's job as
  // its solver saw it, or the road an exact batch ran on and the Start
  // values it took by default.
  struct BatchBasis {
    Solver solver = Solver::kCmd1;
    CapDesign design{};
    std::optional<RoadInput> road;
    std::optional<JobRoadInput> startRoad;
    bool operator==(const BatchBasis&) const = default;
  };
  // A batch as it ran: its entries as typed (the method among them) and
  // what it ran on.
  struct BatchRun {
    int id;
    BatchInput input;
    BatchBasis basis;
  };

  bool RunStart(Prompt& prompt, ErrorReporter& reporter);
  // Start's chain run on a copy of the job with `start`'s answers: the job
  // it makes, or why it stops.
  std::variant<CapJob, JobFileProblem> StartedJob(const TypedStart& start) const;
  // When rows that these entries made for this job are still in the log,
  // asks whether to replace them (they are removed) or to add the new rows
  // beside them; false when the user cancels.
  bool AskAboutEarlierRun(const BatchInput& input, const BatchBasis& basis);
  bool WindowBatch(const BatchInput& input);
  bool ExactBatch(const BatchInput& input);
  // Numbers the run, adds its rows and reports the summary.
  void AddBatchRows(const BatchInput& input, const BatchBasis& basis, std::vector<CapRecord> records);

  BoxMirror mirror_;
  Seam seam_;
  CapJob job_{};
  std::optional<TypedStart> typed_;
  CapLog log_;
  std::vector<BatchRun> batchRuns_;
  std::optional<BatchInput> batchList_;
  std::optional<RoadInput> roadInput_;
  std::optional<Road> road_;
  // The road of the Start job, made after each completed Start, and what it was made from.
  RoadBuild startRoad_;
  JobRoadInput startRoadInput_{};
  void MakeStartRoad();
  std::optional<ProfileInput> profileInput_;
  CrossSectionInput sectionInput_;
  std::optional<RoadHeights> heights_;
  std::optional<HeightsProblem> heightsProblem_;
  // Makes the heights again from the inputs on the working road, and tells the observers.
  void RemakeHeights();
  // Gives each row the heights of its points, `depth` below the deck, when
  // the job has heights; rows keep them as made (session_heights.cpp).
  void TakeHeights(std::vector<CapRecord>& records, double depth) const;
  std::vector<SessionObserver*> observers_;

  // Bridges (session_bridge.cpp).
 public:
  // Substructure templates and bridges of bents, kept as typed. A bridge's
  // points are solved on the working road with the job's heights each time
  // they are asked, so none stands on an older road or profile. A good
  // template or bridge replaces the one of its name, or comes after the
  // others; a bad one changes nothing and its problems come back. A ready
  // template keeps its name: a template of that name is refused.
  std::vector<BridgeLineProblem> SetTemplate(const SubstructureTemplate& tmpl);
  std::vector<BridgeLineProblem> SetBridge(const Bridge& bridge);
  // Every template and bridge at once, as an opened job has them (checked
  // when its file was read).
  void ReplaceBridges(std::vector<SubstructureTemplate> templates, std::vector<Bridge> bridges);
  const std::vector<SubstructureTemplate>& Templates() const { return templates_; }
  const std::vector<Bridge>& Bridges() const { return bridges_; }
  // Removes the bridge of this name; false when there is none.
  bool RemoveBridge(const std::string& name);
  // Removes the user's template of this name. A template a bent uses stays,
  // and the bents that use it come back (by bridge and bent); none removed
  // comes back empty too, when there is no such template.
  std::vector<std::pair<std::string, std::string>> RemoveTemplate(const std::string& name);
  const Bridge* FindBridge(const std::string& name) const;
  // The user's template of this name, else the ready one; null when none.
  const SubstructureTemplate* FindTemplate(const std::string& name) const;
  TemplateLookup TemplateFinder() const;
  // Every point of the bridge on the working road; nothing without one.
  std::optional<BridgeSolution> SolveBridgeNow(const Bridge& bridge) const;
  // The points of the bridges to export, solved now (session_bridge_export.cpp):
  // every bridge's when `bridge` is empty, else that bridge's, of its bents
  // named in `bents` (all when empty); or why there is nothing to write
  // (no bridge, no such bridge or bent, no road, no point placed, or, for a
  // point file, point names two bridges share).
  std::variant<BridgeExport, std::string> BridgeExportNow(ExportFormat format, const std::string& bridge = {},
                                                         const std::vector<std::string>& bents = {}) const;

 private:
  std::vector<SubstructureTemplate> templates_;
  std::vector<Bridge> bridges_;
  void TellBridgesChanged();
};

// What a message about placing a station on `road` needs: its first and
// last station and its equations.
StationRange RangeOf(const Road& road);
// The road a completed Start's job implies, as its input.
JobRoadInput StartRoadInput(const CapJob& job);

}  // namespace capset
