#pragma once
// A script played against the dialogue alone, without a window: the same
// session the window's buttons and menus drive, a scripted prompt, a
// printing reporter, 26 boxes kept as texts, files kept in memory and the
// sketch's scene made for the window's band. The transcript is the one
// cap_replay prints for the same script; only @shot, a picture of the
// window, is the window's alone.

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "boxes.h"
#include "cap_session.h"
#include "memory_file_store.h"
#include "memory_landxml_format.h"
#include "script.h"
#include "script_commands.h"
#include "session_files.h"
#include "sketch_scene.h"

namespace capset {

class DialogueReplay : public ScriptTarget, public BoxWriter, private SessionObserver {
 public:
  // `clock` dates the rows; the system's clock when empty.
  // `roadFormat` reads and writes @landxml's files; without one they are
  // read from and written to the target's files in memory.
  DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols, Clock clock = {},
                 RoadFileFormat* roadFormat = nullptr);

  const CommandTable& Commands() const override { return commands_; }
  void PrintEnd(std::ostream& out) override;
  std::string BoxText(int number) const override { return boxes_.at(number - 1); }
  void WriteBox(int number, const std::string& text) override { boxes_.at(number - 1) = text; }

  const CapJob& Job() const { return session_.Job(); }
  CapSession& Session() { return session_; }
  const CapLog& Log() const { return session_.Log(); }
  MemoryFileStore& Files() { return store_; }

 private:
  void CapComputed(const CapSolution& solution) override;
  void StartCompleted() override;
  // 保存作业: to the job's file, else to one asked for.
  bool SaveCurrentJob();

  std::ostream& out_;
  CommandTable commands_;
  ScriptedPrompt prompt_;
  FixedNumberReader reader_;
  PrintingReporter reporter_;
  Seam seam_;
  CapSession session_{seam_};
  SolverPrinter solverPrinter_;
  MemoryFileStore store_;
  SessionFiles files_{session_, store_, reporter_, reader_.DecimalSeparator()};
  // LandXML in the files kept in memory, stamped with the results log's clock.
  MemoryLandXmlFormat memoryFormat_{store_, [this] { return session_.Log().Now(); }};
  // The format given, else memoryFormat_.
  RoadFileFormat* roadFormat_ = nullptr;
  // The cap the window's sketch shows.
  std::optional<SketchScene> scene_;
  std::array<std::string, kBoxCount> boxes_{};
  TargetActions actions_;
  ScriptContext context_{session_, out_, reader_, &store_};
};

// Plays `script` and returns the transcript.
std::string ReplayDialogue(const std::string& script, const NumberSymbols& symbols = {}, Clock clock = {});

}  // namespace capset
