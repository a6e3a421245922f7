#pragma once

#include "common/settings.h"
#include "html/page_stamp.h"

#include <QDialog>
#include <functional>
#include <optional>

class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// frmOptionsHTML: edits the layout of the HTML pages. The title colour and the images chosen through the
// browse dialog go into the in-memory settings at once, as the user picks them, even if the dialog is
// then cancelled; every other control takes effect only through OK.
//
// Line breaks typed into the header and footer texts become blanks when OK takes the texts: the
// configuration file holds one line per value, and in a page a line break reads as a blank anyway, so
// the text after OK is the text the file keeps and the dialog shows next time.
class HtmlLayoutDialog : public QDialog
{
    Q_OBJECT
public:
    // The colour chooser gets the current title colour ("CouleurTitre" form) and gives the chosen one, or
    // std::nullopt when cancelled.
    using ColourChooser = std::function<std::optional<qint32>(qint32 current)>;
    // The image chooser gets the browse target (1 header, 2 background, 3 table, 4 footer) and the image
    // field's text; it gives the path to take, or std::nullopt when nothing is to change.
    using ImageChooser = std::function<std::optional<QString>(int target, const QString &startPath)>;
    // The directory chooser gets the grid-list directory's text and gives the chosen one.
    using DirectoryChooser = std::function<std::optional<QString>(const QString &current)>;

    // The header and footer text boxes hold at most this many characters: what the two keys can store.
    static constexpr int kMaxTextLength = 508;

    // `inMemory` must outlive the dialog; the colour and image choices are written into it at once. The
    // choosers default to QColorDialog, BrowseDialog and GridListDirectoryDialog.
    HtmlLayoutDialog(HtmlSettings &inMemory, qint16 language, const QString &settingsDirectory,
                     Prompter &prompter, Clock clock = systemClock, QWidget *parent = nullptr);

    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }
    void setImageChooser(ImageChooser chooser) { m_chooseImage = std::move(chooser); }
    void setDirectoryChooser(DirectoryChooser chooser) { m_chooseDirectory = std::move(chooser); }

    // The settings as the controls show them, with the header and footer texts split over their two
    // keys as the configuration file stores them: what OK stands for.
    HtmlSettings settings() const;

    // Shows the dialog modally. After OK: the settings, which the caller stores in memory and writes with
    // writeHtmlSettings. After Cancel or the close box: std::nullopt (colour and images chosen meanwhile
    // are already in `inMemory`).
    static std::optional<HtmlSettings> ask(QWidget *parent, HtmlSettings &inMemory, qint16 language,
                                           const QString &settingsDirectory, Prompter &prompter);

private:
    void buildControls();
    void fill();
    void txtPrefixeTableauHTML_Change();
    void showExample();
    void cmdCouleur_Click();
    void browseImage(int target);
    void cmdParcourirListeTableaux_Click();
    void cmdAide_Click();
    void showExampleText(QPlainTextEdit *edit, const QString &example);
    void limitLength(QPlainTextEdit *edit, QString &previous);
    void showColour();
    QLineEdit *imageField(int target) const;

    HtmlSettings &m_inMemory;
    qint16 m_language;
    QString m_settingsDirectory;
    Prompter &m_prompter;
    Clock m_clock;
    ColourChooser m_chooseColour;
    ImageChooser m_chooseImage;
    DirectoryChooser m_chooseDirectory;

    QLineEdit *m_prefix = nullptr;
    QLabel *m_prefixNote = nullptr;
    QCheckBox *m_addDate = nullptr;
    QCheckBox *m_removeOld = nullptr;
    QCheckBox *m_imagesFollow = nullptr;
    QLineEdit *m_gridListDirectory = nullptr;
    QLineEdit *m_headerImage = nullptr;
    QCheckBox *m_index = nullptr;
    QPlainTextEdit *m_headerText = nullptr;
    QCheckBox *m_wrap = nullptr;
    QPushButton *m_colour = nullptr;
    QLineEdit *m_backgroundImage = nullptr;
    QLineEdit *m_tableImage = nullptr;
    QCheckBox *m_total = nullptr;
    QPlainTextEdit *m_footerText = nullptr;
    QLineEdit *m_footerImage = nullptr;
    QString m_previousHeader;
    QString m_previousFooter;
};
