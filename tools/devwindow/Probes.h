// Start-up hooks of tovak-dev for documentation and measurement, switched on by environment
// variables (the product's tovak has none of them):
//   TOVAK_SCREENSHOT=<file.png> [TOVAK_SCREENSHOT_STEPS=n]  run n micro-steps with the
//       output window open, save a picture of the screen area of both windows, quit;
//   TOVAK_REPORT_SHOWN=1|quit  print "shown" once the window has been painted (and quit);
//   TOVAK_SCALE_SHOTS=<folder>/<prefix>  pictures of every view for the scale check
//       (ScaleShots.h), then quit.
#pragma once

namespace tovak {

class TFMain;

void InstallProbes(TFMain& window);

} // namespace tovak
