#pragma once

// The application around the main window: the program's font, icon and Japanese texts of Qt's own
// dialogs, the main window itself, the about box, and the end of the run.
//
// Closing the main window, by "終了(&X)" or its title bar, first asks about inputs that were not
// saved (see FileCommands); once the close goes on, every other window that is open (the about
// box, the print dialog, the allowable-stress window) is closed; with no window left the
// application ends.

#include "ui/assistant/suggestion_window_host.h"
#include "ui/main/main_window.h"
#include "ui/print/message_box_print_prompts.h"
#include "ui/print/print_dialog.h"
#include "ui/print/system_printer_access.h"
#include "ui/reference/allowable_stress_window_host.h"
#include "ui/reference/reference_panes.h"
#include "ui/shell/about_box.h"
#include "ui/shell/qt_japanese_texts.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace flange {

class UserPrompts;

class ApplicationShell : public QObject {
public:
    // Sets the application's font and icon and the Japanese texts of Qt's dialogs (file dialogs,
    // message box buttons) whatever the system's language, where Qt's translations are installed,
    // then creates the main window in its start-up state.
    explicit ApplicationShell(UserPrompts& prompts);

    MainWindow& mainWindow() { return mainWindow_; }
    // The about box while it is open, else nullptr.
    AboutBox* aboutBox() const { return aboutBox_; }

    void showMainWindow();
    // Opens the about box, or brings it forward when it is open, and returns at once.
    void openAboutBox();

    ReferencePanes& referencePanes() { return *referencePanes_; }
    SuggestionWindowHost& suggestionWindow() { return *suggestions_; }
    // The print dialog while it is open, else nullptr.
    PrintDialog* printDialog() const { return printDialog_; }

    // Opens the print dialog over the main window, or brings it forward when it is open.
    void openPrintDialog();

private:
    // Puts the reference figures into the main window's figure area and makes the guidance
    // captions open them or the allowable-stress window.
    void addReferenceMaterial();
    void closeOtherWindows();

    QtJapaneseTexts qtTexts_;
    // Made before the main window and so destroyed after it: the guidance captions keep it.
    AllowableStressWindowHost stressWindow_;
    MainWindow mainWindow_;
    ReferencePanes* referencePanes_ = nullptr;
    SuggestionWindowHost* suggestions_ = nullptr;
    // The current printer lasts for the run; the print dialog is made afresh each time. The
    // printers are first asked for when the print dialog first opens, which keeps the printing
    // system out of the program's start-up.
    std::unique_ptr<SystemPrinterAccess> printers_;
    MessageBoxPrintPrompts printPrompts_;
    QPointer<PrintDialog> printDialog_;
    QPointer<AboutBox> aboutBox_;
};

} // namespace flange
