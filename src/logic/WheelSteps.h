#pragma once

// A wheel turns in steps of 120; a touchpad or a fine wheel reports parts of a step, and a fast
// turn several steps in one report. The parts are added up, and a step taken for each whole 120.
class WheelSteps {
  public:
    // The whole steps the rotation completes, away from the user positive.
    int Add(int delta);
    void Forget() { remainder = 0; }

  private:
    int remainder = 0;
};
