// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What check says of one stage: a JSON object on one line, or lines of text.
#include "tools/check_report.h"

#include <cstdio>
#include <sstream>

#include "core/design/effort.h"
#include "core/design/gates.h"
#include "core/text/display_text.h"
#include "tools/replay.h"
#include "tools/shown_text.h"

namespace suispo::tool {

namespace {

const char* Verdict(const StageCheck& c) { return !c.errors.empty() ? "error" : !c.warnings.empty() ? "warning" : "ok"; }

std::string JsonList(const std::vector<std::string>& texts) {
  std::string json;
  for (const std::string& text : texts) json += (json.empty() ? "" : ",") + JsonString(text);
  return "[" + json + "]";
}

std::vector<std::string> Split(const std::string& names) {
  std::vector<std::string> out;
  for (std::size_t from = 0; from < names.size();) {
    const std::size_t end = std::min(names.find(',', from), names.size());
    out.push_back(names.substr(from, end - from));
    from = end + 1;
  }
  return out;
}

// The mechanics the solution needs: those present whose removal changes the par, and the wall points.
std::vector<std::string> Needs(const StageMeasures& m, int mp) {
  std::vector<std::string> needs = Split(MechanicNames(m.needed));
  if (mp > 0 && m.wallPointsNeeded) needs.push_back("wall points");
  return needs;
}

std::string Bool(bool b) { return b ? "true" : "false"; }

std::string Fixed(double value) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// The corner loop and the alike stages: the shortest clear's own ideas, or those it shares.
void ReportRepeats(std::ostream& out, bool json, const StageDraft& draft, const SolveResult& best,
                   const AlikeStages& alike) {
  const int loop = CornerLoopAt(draft, best.ops);
  if (json) {
    out << ",\"clear\":[" << OpsText(best.ops, true) << "],\"cornerLoopAt\":" << loop + 1 << ",\"alike\":[";
    for (std::size_t i = 0; i < alike.size(); ++i) {
      out << (i == 0 ? "[" : ",[") << alike[i].first << "," << alike[i].second << "]";
    }
    out << "]";
    return;
  }
  if (loop >= 0) out << "  corner loop: the wall built at operation " << loop + 1 << ", four slides round to it\n";
}

void ReportMeasures(std::ostream& out, bool json, const StageLine& line, const StageMeasures& m) {
  const StageDraft draft = DraftOfLine(line);
  if (json) {
    const StageGates g = GatesOf(m);
    out << ",\"ideas\":" << m.ideas << ",\"present\":" << JsonList(Split(MechanicNames(m.present)))
              << ",\"needs\":" << JsonList(Needs(m, draft.mp)) << ",\"inert\":" << JsonList(m.inert)
              << ",\"trapHoles\":" << m.trapHoles << ",\"wallEdges\":" << m.wallEdges
              << ",\"wallGroup\":" << Fixed(m.wallGroupMean) << ",\"symmetry\":" << Fixed(m.symmetry)
              << ",\"kinds\":" << m.kinds << ",\"warpColours\":" << m.warpColours
              << ",\"gates\":{";
    for (std::size_t i = 0; i < kGateCount; ++i) {
      out << (i == 0 ? "\"" : ",\"") << kGates[i].name << "\":" << Bool(g.pass[i]);
    }
    out << "},\"effort\":" << m.effort << ",\"rating\":" << EffortRating(m.effort)
        << ",\"repeatShare\":" << Fixed(m.padding.Share()) << ",\"repeatRun\":" << m.padding.longestRun
        << ",\"nearParClears\":" << m.nearParClears << ",\"randomClears\":" << Fixed(m.randomClearRate)
        << ",\"look\":" << JsonString(CanonicalText(draft));
    return;
  }
  std::string needs;
  for (const std::string& n : Needs(m, draft.mp)) needs += (needs.empty() ? "" : ", ") + n;
  out << "  ideas " << (m.ideas < 0 ? std::string("not decided") : std::to_string(m.ideas))
            << (m.ideas >= kIdeaCap ? " or more" : "") << "; needs " << (needs.empty() ? "nothing but moves" : needs)
            << "; walls " << m.wallEdges << " in groups of " << Fixed(m.wallGroupMean) << ", symmetry "
            << Fixed(m.symmetry) << "\n";
  out << "  effort " << (m.effort < 0 ? std::string("not found") : std::to_string(m.effort)) << ", rating "
      << EffortRating(m.effort) << "; repeated moves " << Fixed(m.padding.Share()) << " (longest run "
      << m.padding.longestRun << "); clears within one of par "
      << (m.nearParClears < 0 ? std::string("not decided") : std::to_string(m.nearParClears))
      << (m.nearParClears >= kNearParCap ? " or more" : "") << "; random runs clear " << Fixed(m.randomClearRate)
      << "\n";
  for (const std::string& piece : m.inert) out << "  inert: " << piece << "\n";
}

}  // namespace

std::string CheckReport(bool json, std::size_t number, const std::string& name, const StageLine& line,
                        const StageCheck& c, std::size_t stateLimit, const AlikeStages& alike) {
  std::ostringstream out;
  if (json) {
    out << "{\"stage\":" << number << ",\"name\":" << JsonString(name) << ",\"verdict\":\"" << Verdict(c)
              << "\",\"errors\":" << JsonList(c.errors) << ",\"warnings\":" << JsonList(c.warnings);
    if (c.best) {
      out << ",\"par\":" << c.best->ops.size() << ",\"moves\":" << c.best->moves << ",\"walls\":" << c.best->walls;
      ReportMeasures(out, true, line, Measure(DraftOfLine(line), stateLimit));
      ReportRepeats(out, true, DraftOfLine(line), *c.best, alike);
    }
    out << "}\n";
    return out.str();
  }
  out << number << " " << VisibleText(name) << ": " << Verdict(c);
  if (c.best) {
    out << ", par " << c.best->ops.size() << " (" << c.best->moves << (c.best->moves == 1 ? " move, " : " moves, ")
              << c.best->walls << (c.best->walls == 1 ? " wall)" : " walls)");
  }
  out << "\n";
  for (const std::string& text : c.errors) out << "  error: " << VisibleText(text) << "\n";
  for (const std::string& text : c.warnings) out << "  warning: " << VisibleText(text) << "\n";
  if (c.best) {
    ReportMeasures(out, false, line, Measure(DraftOfLine(line), stateLimit));
    ReportRepeats(out, false, DraftOfLine(line), *c.best, alike);
  }
  return out.str();
}

std::string AlikeReport(const std::vector<AlikePair>& pairs) {
  std::ostringstream out;
  for (const AlikePair& p : pairs) {
    out << "alike: stages " << p.first + 1 << " and " << p.second + 1 << " share " << p.run
        << " operations in a row of their shortest clears\n";
  }
  return out.str();
}

}  // namespace suispo::tool
