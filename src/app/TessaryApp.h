// The application: refuses a second instance, fixes the settings file in the working folder,
// opens the folder's deed file as the document, and shows the main window. It also runs New,
// Open and the About box.
#pragma once

#include "framework/CmdUI.h"
#include "platform/SingleInstance.h"

#include <QString>

#include <memory>
#include <string>

namespace tessary {

namespace fw {
class CPrompt;
}
class ProfileFile;
class CTessaryDoc;
class CMainFrame;

class CTessaryApp : public fw::CCommandTarget {
public:
    // `workingFolder` holds "Tessary.dat" and "Tessary.ini"; `markerFolder` is where the
    // single-instance marker lives (empty: the user's runtime folder). Start-up is refused while
    // another instance holds the marker or works in the same folder.
    CTessaryApp(fw::CPrompt& prompt, std::string workingFolder, std::string markerFolder = {});
    ~CTessaryApp() override;

    // Start-up; false when the program must end (second instance, unreadable default file).
    bool start();

    fw::CPrompt& prompt() const { return prompt_; }
    ProfileFile* settings() const { return settings_.get(); }
    CTessaryDoc* document() const { return doc_.get(); }
    CMainFrame* mainFrame() const { return frame_.get(); }

    // The document cycle of a single-document program.
    bool newDocument();
    bool openDocumentFile(const QString& path);
    // Asks for a file and opens it.
    void fileOpen();
    void showAbout();
    // 名称のカスタマイズ: the naming dialog over the main window; 保存 puts the names in force.
    // The command belongs to the document; it is run here, where the dialogs are known, so that
    // it works from the type list window too.
    void customizeNames();

    bool onUpdateCommand(fw::CCmdUI& ui) override;
    bool onCommand(int id) override;

private:
    fw::CPrompt& prompt_;
    std::string folder_;
    SingleInstanceLock marker_;
    std::unique_ptr<ProfileFile> settings_;
    std::unique_ptr<CTessaryDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace tessary
