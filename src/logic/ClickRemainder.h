#pragma once
// The rest of a click that has already done its work. A press that ends a dialog or a picking
// mode leaves its release, and the second press of a double click, to whatever window lies
// under the pointer once the dialog or the mode is gone: a pane, a tool button. Those belong
// to the click that is over and are passed over.
class ClickRemainder {
  public:
    // How far apart in time and place two presses may be to make one double click.
    struct DoubleClick {
        unsigned timeMs;
        int width;
        int height;
    };
    enum class Input { Press, Release };

    // The press or release that ended something, with its message time and screen position.
    void Arm(Input ending, unsigned timeMs, int x, int y, const DoubleClick& doubleClick);
    // Whether this button input is part of the ended click (and so is passed over). Anything
    // else ends the remainder.
    bool Swallows(Input input, unsigned timeMs, int x, int y);
    bool IsArmed() const { return armed; }

  private:
    bool IsSecondPress(unsigned timeMs, int x, int y) const;

    bool armed = false;
    bool releasePending = false;
    bool secondPressTaken = false;
    unsigned endingTime = 0;
    int endingX = 0;
    int endingY = 0;
    DoubleClick limits{};
};
