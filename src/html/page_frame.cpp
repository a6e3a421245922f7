#include "html/page_frame.h"

#include "html/html_text.h"
#include "html/page_writer.h"
#include "platform/directory_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

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

// Copies `source` over `target`. A source that already is the target (the user picked the copy itself)
// is left as it is.
std::optional<WriteFailure> copyImage(const QString &source, const QString &target)
{
    const QFileInfo sourceInfo(source);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return std::nullopt;
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        QFile old(target);
        if (!old.remove())
            return WriteFailure{target, old.errorString()};
    }
    QFile file(source);
    if (!file.copy(target))
        return WriteFailure{target, file.errorString()};
    return std::nullopt;
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
            reference = escapeLink(name);
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
