#include "html/page_frame.h"

#include "html/html_text.h"
#include "html/page_writer.h"
#include "platform/directory_reader.h"
#include "platform/regular_file_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// An image of a web page is a few hundred kilobytes; a larger file is refused rather than held in memory.
constexpr qint64 kMaxImageSize = 64 * 1024 * 1024;

QString copySuffix(PageImage image)
{
    switch (image) {
    case PageImage::Background:
        return QStringLiteral(" fond");
    case PageImage::Header:
        return QStringLiteral(" en-tete");
    case PageImage::TableImage:
        return QStringLiteral(" en-teteTableau");
    case PageImage::Footer:
        return QStringLiteral(" pied");
    }
    return {};
}

const QString &imageSetting(const HtmlSettings &html, PageImage image)
{
    switch (image) {
    case PageImage::Background:
        return html.imageFond;
    case PageImage::Header:
        return html.imageEnTete;
    case PageImage::TableImage:
        return html.imageDebutTableau;
    case PageImage::Footer:
        return html.imagePied;
    }
    return html.imageFond;
}

QString &imageSlot(PageImages &images, PageImage image)
{
    switch (image) {
    case PageImage::Background:
        return images.background;
    case PageImage::Header:
        return images.header;
    case PageImage::TableImage:
        return images.tableImage;
    case PageImage::Footer:
        return images.footer;
    }
    return images.background;
}

// Copies `source` over `target` through the safe writer, so the copy is a new file of the ordinary mode
// (never the source's) and a link at the target is replaced. The source is read whole first, which also
// serves when it is the target itself. A failure names the file that could not be read or written.
std::optional<WriteFailure> copyImage(const QString &source, const QString &target)
{
    const RegularFileRead image = readRegularFile(source, kMaxImageSize);
    if (image.status == RegularFileRead::Status::Failed)
        return WriteFailure{source, image.reason};
    if (image.status == RegularFileRead::Status::Missing)
        return WriteFailure{source, qt_error_string(ENOENT)};
    return writeWholeFile(target, image.bytes);
}

void imageLine(PageWriter &page, const QString &reference)
{
    page.write(u"<p align=\"center\"><img src=\"");
    page.write(reference);
    page.line(u"\"></p>");
}

} // namespace

void deleteOldPages(const QString &directory, const QString &prefix)
{
    if (prefix.isEmpty())
        return;
    const QString html = QStringLiteral(".html");
    QStringList copies;
    for (const PageImage image :
         {PageImage::Background, PageImage::Header, PageImage::TableImage, PageImage::Footer})
        copies << prefix + copySuffix(image);

    DirectoryReader reader(directory);
    DirectoryEntry entry;
    while (reader.next(entry)) {
        if (entry.isDirectory)
            continue;
        const QString &name = entry.name;
        const bool isPage = name.compare(prefix + html, Qt::CaseInsensitive) == 0;
        const bool isStampedPage = name.size() >= prefix.size() + 1 + html.size() &&
                                   name.startsWith(prefix + u' ', Qt::CaseInsensitive) &&
                                   name.endsWith(html, Qt::CaseInsensitive);
        const bool isCopy = copies.contains(name, Qt::CaseInsensitive);
        if (isPage || isStampedPage || isCopy)
            QFile::remove(childPath(directory, name));
    }
}

std::optional<WriteFailure> buildImageReferences(const HtmlSettings &html, const QString &pageDirectory,
                                                 std::initializer_list<PageImage> order, PageImages &images)
{
    for (const PageImage image : order) {
        QString &reference = imageSlot(images, image);
        reference.clear();
        const QString &setting = imageSetting(html, image);
        const QFileInfo source(setting);
        if (setting.isEmpty() || !source.exists() || source.isDir())
            continue;
        if (html.imagesSuivent) {
            const QString name = html.prefixeTableau + copySuffix(image);
            if (auto failure = copyImage(setting, childPath(pageDirectory, name)))
                return failure;
            reference = linkToName(name);
        } else {
            reference = escapeLink(u"file://"_s + QDir::cleanPath(source.absoluteFilePath()));
        }
    }
    return std::nullopt;
}

void appendPageTop(PageWriter &page, const PageImages &images, const PageContext &context)
{
    if (images.background.isEmpty()) {
        page.line(u"<body>");
    } else {
        page.write(u"<body background=\"");
        page.write(images.background);
        page.line(u"\">");
    }
    if (!images.header.isEmpty())
        imageLine(page, images.header);
    if (!context.html.texteEnTete.isEmpty())
        page.line(RemplacerVariables(context.html.headerText(), context.stamp, context.startup));
}

void appendPageBottom(PageWriter &page, const PageImages &images, const PageContext &context)
{
    if (!images.footer.isEmpty())
        imageLine(page, images.footer);
    if (!context.html.textePied.isEmpty())
        page.line(RemplacerVariables(context.html.footerText(), context.stamp, context.startup));
    page.line(u"</body>");
    page.line(u"</html>");
}

QString headingImage(const PageImages &images)
{
    if (images.tableImage.isEmpty())
        return {};
    return u"<img src=\""_s + images.tableImage + u"\">&nbsp;"_s;
}
