#pragma once
#include "RegistryProfile.h"

#include <memory>
#include <string>

namespace win {

// The one application object: start-up, the settings root, shut-down.
class App {
  public:
    App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;
    virtual ~App();

    static App& Current();
    // Runs InitInstance, then ExitInstance, whose result is the exit code.
    int Run();

    // From here on the profile lives under Software\<company>\<executable base name>.
    void SetRegistryKey(const std::wstring& company);
    int GetProfileInt(LPCWSTR section, LPCWSTR entry, int defaultValue) const;
    bool WriteProfileInt(LPCWSTR section, LPCWSTR entry, int value) const;
    bool DeleteProfileEntry(LPCWSTR section, LPCWSTR entry) const;

  protected:
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }

  private:
    std::unique_ptr<RegistryProfile> profile;
};

// The executable's file name without directory and extension.
std::wstring ExecutableBaseName();
// The executable's full path.
std::wstring ExecutablePath();

} // namespace win
