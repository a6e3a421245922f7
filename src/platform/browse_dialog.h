#pragma once

#include <QDialog>
#include <optional>

class DirectoryList;
class DriveList;
class QLabel;
class QListWidget;

// frmParcourir: picks a GIF or JPEG image file for one of the HTML layout's four image settings, with a
// preview scaled into a 2490-twip square.
class BrowseDialog : public QDialog
{
    Q_OBJECT
public:
    // Which image the dialog picks; it sets the caption. Any value other than 1 to 3 means the footer.
    enum Target : int { HeaderImage = 1, BackgroundImage = 2, TableImage = 3, FooterImage = 4 };

    // `startPath` is the image set now (may be empty): the lists open on its directory with the file
    // selected; a missing file shows the "unknown image" notice.
    BrowseDialog(int target, const QString &startPath, qint16 language, QWidget *parent = nullptr);

    // After OK: the full path of the selected file when it holds at least one byte; otherwise nothing.
    std::optional<QString> chosenPath() const { return m_chosen; }

    // Shows the dialog modally; the path to store, or std::nullopt when nothing is to change.
    static std::optional<QString> ask(QWidget *parent, int target, const QString &startPath, qint16 language);

    // The side of the preview box in twips.
    static constexpr int kPreviewTwips = 2490;

private:
    void openStartPath(const QString &startPath);
    void fillFiles(const QString &directory);
    void showPreview(int row);
    void cmdOK_Click();
    QString selectedPath() const;

    DriveList *m_drives;
    DirectoryList *m_directories;
    QListWidget *m_files;
    QLabel *m_box;
    QLabel *m_image;
    QLabel *m_error;
    std::optional<QString> m_chosen;
};
