#pragma once

#include "common/settings.h"
#include "html/page_stamp.h"
#include "platform/safe_file_writer.h"

class PageWriter;

#include <QLocale>
#include <QString>
#include <initializer_list>
#include <optional>

// What both page writers read besides the grids: the "HTML" settings, the interface language, the page
// date and time (compute them once per page with makePageStamp just before writing), the start-up values
// for the placeholders, and the locale that decides which cells are numbers. A copy of its own, so that a
// page written beside the window does not see the window's settings change.
struct PageContext
{
    HtmlSettings html;
    qint16 language = 0;
    PageStamp stamp;
    StartupValues startup;
    QLocale locale = QLocale::system();
};

// The outcome of a page command.
enum class PageStatus {
    Written,        // the page is on disk at `path`
    NothingToWrite, // an empty grid or an empty grid list: no file was touched
    Failed,         // a page or an image copy could not be written: see `failure`
    Cancelled,      // the job was cancelled: the page was not written, an older one stays
};

struct PageResult
{
    PageStatus status = PageStatus::Written;
    QString path;         // the page file, when written: the caller opens it
    WriteFailure failure; // the file and the system's reason, when failed
};

// The four images of a page, in the order their references are built.
enum class PageImage { Background, Header, TableImage, Footer };

// The HTML-ready reference of each image; empty when the image is left out.
struct PageImages
{
    QString background;
    QString header;
    QString tableImage;
    QString footer;
};

// Deletes the files of `directory` that earlier pages wrote: prefix + ".html", prefix + " " ... ".html"
// (pages with a date stamp), and the four image copies, names compared without regard to case. Other
// files starting with the prefix stay. The directory is read once. Failures are ignored: the user sees
// the result in the next listing.
void deleteOldPages(const QString &directory, const QString &prefix);

// Builds the references of the given images in the given order into `images`. An image is present when
// its setting names an existing file. With "ImagesSuivent" on it is copied into `pageDirectory` as
// prefix + suffix (replacing an earlier copy) and referenced by that name; otherwise it is referenced by
// its file URL. Stops at the first copy that fails and returns it.
[[nodiscard]] std::optional<WriteFailure> buildImageReferences(const HtmlSettings &html,
                                                               const QString &pageDirectory,
                                                               std::initializer_list<PageImage> order,
                                                               PageImages &images);

// The body line, the header image line and the header text line.
void appendPageTop(PageWriter &page, const PageImages &images, const PageContext &context);
// The footer image line, the footer text line, "</body>" and "</html>".
void appendPageBottom(PageWriter &page, const PageImages &images, const PageContext &context);

// The image in the heading: "<img src=...>&nbsp;" when the table image is present, else empty.
QString headingImage(const PageImages &images);
