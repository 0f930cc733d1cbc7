#pragma once
#include "../win/App.h"
#include "../win/Gdiplus.h"

#include <memory>

class CTintraApp : public win::App {
  protected:
    bool InitInstance() override;
    int ExitInstance() override;

  private:
    std::unique_ptr<win::GdiplusSession> gdiplus;
};
