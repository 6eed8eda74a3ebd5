#pragma once
// Golden records: what a run gave at a known-good state of the model, kept as
// JSON and compared bit for bit with what the same case gives now.
//
// A golden record holds the outcome and messages, the inputs as typed, every
// field of the inputs in model units, the derived values and the results (each
// as its bit pattern beside 17 significant digits), every control's final
// state, the drawn profiles, the twelve time series and every display call the
// run made. A long sequence (a series, the calls, a control's texts) is kept
// as a digest of all its bits, a digest of each block of k consecutive entries
// and a copy of every k-th entry and of the last one, k chosen for about a
// hundred copies; a profile as a digest and a copy of every few nodes. That is
// enough to say which quantity differs, from which point and time on, and what
// it held there.

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "present/display.h"
#include "run/runcontrol.h"
#include "run/runrecord.h"
#include "run/stoprequest.h"

namespace lamvero::testing {

// A display that writes down every call of a run as a line of text, in
// order ("text txt_Zeit= 0:10:00", "show lbl_Achtung", "color txt_Wasserfehler=255,0,0",
// "repaint txt_Zeit", "profile red", ...): the texts the run showed on the way,
// not only the last ones. It can ask the run to stop at a given yield.
class DisplayLog : public Display {
 public:
  DisplayLog() = default;
  DisplayLog(StopRequest& stop, int stopAtYield) : stop_(&stop), stopAtYield_(stopAtYield) {}

  const std::vector<std::string>& calls() const { return calls_; }

  void setText(RunControl control, const std::string& text) override { log("text ", control, "=" + text); }
  void setVisible(RunControl control, bool visible) override { log(visible ? "show " : "hide ", control); }
  void setColor(RunControl control, Rgb c) override {
    log("color ", control, "=" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b));
  }
  void repaint(RunControl control) override { log("repaint ", control); }
  void repaintWindow() override { log("repaintWindow", ""); }
  void fillWhite(Area area, double, double, double, double) override { log("fill ", Name(area)); }
  void drawShrinkageScale(const ShrinkageScale&) override { log("shrinkageScale", ""); }
  void drawProfile(const std::vector<double>&, double, CurveStyle style) override {
    log(style == CurveStyle::Final ? "profile red" : "profile", "");
  }
  void drawResultPlots(const RunRecord&) override { log("resultPlots", ""); }
  void refresh(Area area) override { log("refresh ", Name(area)); }
  void yield() override {
    if (++yields_ == stopAtYield_ && stop_ != nullptr) stop_->request();
  }

 private:
  static const char* Name(Area area) { return area == Area::Ausgabe ? "pic_Ausgabe" : "pic_Zeit"; }
  void log(const char* what, const char* control, const std::string& rest = "") {
    calls_.push_back(what + std::string(control) + rest);
  }
  void log(const char* what, RunControl control, const std::string& rest = "") {
    log(what, ControlName(control), rest);
  }

  std::vector<std::string> calls_;
  StopRequest* stop_ = nullptr;
  int stopAtYield_ = 0;
  int yields_ = 0;
};

// The golden record of a run and of what it showed.
nlohmann::json GoldenRecord(const RunRecord& record, const DisplayLog& shown);

// The record as the text of its file.
std::string GoldenText(const nlohmann::json& record);

// How a run differs from its golden record, one entry per difference, each in
// an engineer's words: which quantity, expected what, got what. Empty if the
// run gives every bit the record holds.
std::vector<std::string> GoldenDifferences(const nlohmann::json& golden, const RunRecord& record,
                                           const DisplayLog& shown);

}  // namespace lamvero::testing
