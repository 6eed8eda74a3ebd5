#pragma once
// Project data with every field given, umlauts, quotes and a comment over
// several lines (an empty one among them).

#include "run/projectdata.h"

namespace lamvero::testing {

inline ProjectData SampleProject() {
  ProjectData about;
  about.title = "Vollziegel 4 mm";
  about.project = "Werk Süd, Linie 2";
  about.customer = "Ziegelei „Am Hang“";
  about.author = "A. Prüfer";
  about.comment = "Winterbetrieb\nAußenluft 5 °C\n\nmit Leerzeile";
  return about;
}

}  // namespace lamvero::testing
