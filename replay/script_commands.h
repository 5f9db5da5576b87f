#pragma once
// The rows of the command table, one concern a file, added alike by both
// targets so that both speak the same words. What runs a command that
// needs the toolkit (a click, a dialog, a picture) is the target's, passed
// in as an action; a command that needs no toolkit runs the same on both.
//
// A new concern adds its rows in a file of its own (road_commands.cpp,
// say), declares its Add function here and calls it from
// AddScriptCommands.

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "batch_input.h"
#include "cap_session.h"
#include "command_table.h"
#include "export_formats.h"
#include "set_out_sheets.h"
#include "file_store.h"
#include "instrument_files.h"
#include "seam.h"
#include "sketch_scene.h"
#include "station_table.h"

namespace capset {

// What a target does for the commands that depend on it. An empty action
// is a command the target does not run (IGNORED).
struct TargetActions {
  std::function<void()> start;
  std::function<void()> compute;
  std::function<void(const BatchInput&)> batch;
  std::function<void(const std::string& path)> save;
  std::function<void(const std::string& path)> open;
  // 退出 (Ctrl+Q, or the window closed): true when the program ends, after
  // unsaved work was asked about.
  std::function<bool()> quit;
  std::function<void(const std::string& path, ExportFormat format)> exportTo;
  // The bridges' points (one bridge's, of chosen bents, when named; the
  // log's when the job has no bridge) as an instrument's file.
  std::function<void(const std::string& path, InstrumentFormat format, const std::string& bridge,
                     const std::vector<std::string>& bents)>
      exportPoints;
  // The sketch's scene as it stands; nothing while the band is empty.
  std::function<const SketchScene*()> scene;
  std::function<void(const std::string& path)> shot;
  // A LandXML file's alignment (the file's only one when no name is given)
  // as the job's road, and the job's road written as LandXML.
  std::function<void(const std::string& path, const std::optional<std::string>& name)> importLandXml;
  std::function<void(const std::string& path)> exportLandXml;
  // Writes a station table to a file as the table window's export does.
  std::function<void(const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows)>
      exportTable;
  // Writes the points of the job's bridges (every one, the bridge named, or
  // its bents named) as the window's bridge export does.
  std::function<void(const std::string& path, ExportFormat format, const std::string& bridge,
                     const std::vector<std::string>& bents)>
      exportBridges;
  // Writes sheets to a PDF file, dated and headed with the job as the window
  // prints them; nothing when written, else why not.
  std::function<std::optional<std::string>(const std::string& path, const std::vector<Sheet>& sheets)> print;
};

// What every command reaches, whichever target plays the script: the
// session, where the transcript goes, and the user's number rules for the
// numbers a command line carries.
struct ScriptContext {
  CapSession& session;
  std::ostream& out;
  const NumberReader& reader;
  // Where a command reads a file the script names (@check's `file`); none:
  // such a line is refused.
  FileStore* files = nullptr;
  // The last check's results, for a printed report of it.
  std::optional<CheckReport> lastCheck = std::nullopt;
};

// Every row of the language.
void AddScriptCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context);

// The concerns' rows.
void AddStartCommands(CommandTable& table, const TargetActions& actions);     // @start, @compute, @cancel
void AddBatchCommands(CommandTable& table, const TargetActions& actions, std::ostream& out);  // @batch … @end
// @save, @open, @quit, @export csv|dat|gsi|pnezd
void AddFileCommands(CommandTable& table, const TargetActions& actions, std::ostream& out);
void AddSketchCommands(CommandTable& table, const TargetActions& actions, std::ostream& out);  // @scene, @shot
void AddLandXmlCommands(CommandTable& table, const TargetActions& actions);  // @landxml, @export landxml
// @road … @end, @road job, @at, @where, @keypoints, @curves, @table, @export table
void AddRoadCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context);
void AddPointCommands(CommandTable& table, ScriptContext& context);  // @points
void AddCheckCommands(CommandTable& table, ScriptContext& context);  // @check … @end
// @profile … @end, @xsec … @end, @z, @vcurves
void AddHeightsCommands(CommandTable& table, ScriptContext& context);
// @template … @end, @bridge … @end, @bridgepoints [NAME], @templates
void AddBridgeCommands(CommandTable& table, ScriptContext& context);
// @export bridge csv|dat FILE [BRIDGE [BENT…]]
void AddBridgeExportCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context);
// @print bent|bridge|table|check … FILE.pdf
void AddPrintCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context);

// The station table that FROM TO STEP [OFFSET…] asks for, as @table reads
// it, and the request read; nothing when refused (the refusal printed).
std::optional<std::vector<StationTableRow>> ScriptTableRows(const CommandTable& table, ScriptContext& context,
                                                           const std::vector<std::string>& words, const char* usage,
                                                           StationTableRequest& asked);
// @station, @backsight, @polar [BRIDGE]
void AddPolarCommands(CommandTable& table, ScriptContext& context);

// The fields of a batch block, read after its "@batch" line up to "@end"
// (or up to the next command line, left for the script); a line the block
// does not know is printed as IGNORED.
BatchInput ReadBatchBlock(ScriptLines& lines, const CommandTable& commands, std::ostream& out);

}  // namespace capset
