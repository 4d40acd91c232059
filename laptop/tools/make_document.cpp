// Builds the program's help documents from the project's Markdown: the manual as a PDF, the
// installation checklist as a web page. Run at build time (offscreen platform):
//
//   make_document --pdf  MANUAL.md   "KVT-80 Manual.pdf"
//   make_document --html CHECKLIST.md KVT80Checklist.htm
//
// Pictures are looked up beside the Markdown file; the PDF carries them, the web page has none.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>
#include <vector>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "make_document: %s\n", qPrintable(message));
    return 1;
}

// The first heading is the document's title.
QString TitleOf(const QString& markdown) {
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("# "))) {
            return line.mid(2).trimmed();
        }
    }
    return {};
}

// Pictures wider than the printed text are scaled down to its width, keeping their proportions;
// printed at their own size they would be cut off at the page's right margin.
void FitPictures(QTextDocument& document, qreal textWidth) {
    struct Picture {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid()) {
                continue;
            }
            const QImage image(format.name());
            if (image.isNull() || image.width() <= textWidth) {
                continue;
            }
            format.setWidth(textWidth);
            format.setHeight(textWidth * image.height() / image.width());
            pictures.push_back({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Picture& picture : pictures) {
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4 ||
        (arguments[1] != QLatin1String("--pdf") && arguments[1] != QLatin1String("--html"))) {
        return Fail(QStringLiteral("usage: make_document --pdf|--html INPUT.md OUTPUT"));
    }
    QFile input(arguments[2]);
    if (!input.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("cannot read %1").arg(arguments[2]));
    }
    const QString markdown = QString::fromUtf8(input.readAll());

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    // The pictures are named by absolute paths: printing works on a copy of the document, which
    // would not find them by the Markdown's relative names.
    const QString folder = QFileInfo(arguments[2]).absolutePath();
    const QRegularExpression picture(QStringLiteral(R"((!\[[^\]]*\]\()([^)]+)\))"));
    QString resolved = markdown;
    for (const auto& match : picture.globalMatch(markdown)) {
        const QString path = folder + QLatin1Char('/') + match.captured(2);
        if (QImage(path).isNull()) {
            return Fail(QStringLiteral("cannot read the picture %1").arg(path));
        }
        resolved.replace(match.captured(0), match.captured(1) + path + QLatin1Char(')'));
    }
    document.setMarkdown(resolved);
    document.setMetaInformation(QTextDocument::DocumentTitle, TitleOf(markdown));

    const QString output = arguments[3];
    if (arguments[1] == QLatin1String("--html")) {
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly) || file.write(document.toHtml().toUtf8()) < 0 ||
            !file.commit()) {
            return Fail(QStringLiteral("cannot write %1").arg(output));
        }
        return 0;
    }
    // Written beside the target and moved over it, so a failed build leaves no broken manual.
    const QString partial = output + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        writer.setTitle(TitleOf(markdown));
        writer.setCreator(QStringLiteral("KVT-80 service software"));
        // The document is laid out for printing in units of 1/96 inch, inside the page's
        // printable width less the 2 cm margins printing adds on either side.
        const qreal margin = 2.0 / 2.54 * 96;
        FitPictures(document, writer.pageLayout().paintRectPixels(96).width() - 2 * margin);
        document.print(&writer);
    }
    QFile::remove(output);
    if (QFileInfo(partial).size() == 0 || !QFile::rename(partial, output)) {
        QFile::remove(partial);
        return Fail(QStringLiteral("cannot write %1").arg(output));
    }
    return 0;
}
