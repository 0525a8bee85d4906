#pragma once
// The application object: its whole life is one call of InitInstance, which runs the fixed
// sequence of windows (backdrop, splash, launcher screen, credits) and tears them down again.
class CLauncherApp {
  public:
    // Runs the sequence; false tells the caller that no application is left running.
    bool InitInstance();
};

extern CLauncherApp theApp;
