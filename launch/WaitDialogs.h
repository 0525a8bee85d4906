#pragma once
// The small always-on-top dialogs the download offers wait in while the user connects to the
// Internet by hand. Each ends with IDOK (1), Retry (4) or IDCANCEL (2); Escape and the close box
// give IDCANCEL.
#include <string>
#include <utility>

class CWaitDlg {
  public:
    // Runs the dialog modally, with no parent window, above every other window.
    int DoModal() const;

  protected:
    // The page's address fills the template's "%s", where the dialog names one.
    CWaitDlg(int templateId, std::string page);

  private:
    int templateId_;
    std::string page_;
};

// Waits for the user to say the connection is up.
class CWaitConnectDlg : public CWaitDlg {
  public:
    CWaitConnectDlg() : CWaitDlg(151, {}) {}
};

// Still offline: retry, or cancel and download the tool another time from the page.
class CWaitExporterDlg : public CWaitDlg {
  public:
    explicit CWaitExporterDlg(std::string page) : CWaitDlg(152, std::move(page)) {}
};

class CWaitUpgradeDlg : public CWaitDlg {
  public:
    explicit CWaitUpgradeDlg(std::string page) : CWaitDlg(153, std::move(page)) {}
};

class CWaitAviMakerDlg : public CWaitDlg {
  public:
    explicit CWaitAviMakerDlg(std::string page) : CWaitDlg(156, std::move(page)) {}
};
