#pragma once
// JSON read strictly, for the program's own files: nlohmann's parser (RFC
// 8259, UTF-8 checked in every string, surrogates paired, numbers beyond a
// double refused) with what it lets through refused as well: a key given
// twice in one object, and nesting deeper than a job file needs. A refusal
// says what and on which line.
//
// Only the file formats include this header; nothing above them sees the
// library.

#include <map>
#include <string>
#include <variant>

#include <nlohmann/json.hpp>

#include "job_file_problem.h"

namespace capset {

struct StrictJson {
  nlohmann::json value;
  // The line of each key of the top two levels: "version", "start.KZH".
  std::map<std::string, int> keyLines;
};

// The value of the whole text, or why it is not JSON this program reads
// (a JobFileProblem of the file as a whole, with its line). Objects and
// arrays nest at most `maxDepth` deep.
std::variant<StrictJson, JobFileProblem> ParseStrictJson(const std::string& text, int maxDepth);

}  // namespace capset
