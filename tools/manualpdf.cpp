// Makes "manualTovana.pdf" from the manual's pages, so the printed manual and the
// pages the Manual menu opens never drift apart: a title page ("Tovana – manual"
// and the version), a table of contents with each chapter's first page, then the
// chapters in menu order, each from a new page. The pages are read as
// Windows-1252, their navigation line is left out, and their pictures are taken
// from the manual folder.
//
//     tovana_manualpdf <manual folder> <version> <output.pdf>
//
// Exits 1 with a message on stderr when a page cannot be read or the PDF cannot
// be written; the PDF is written to a temporary name first and renamed, so a
// failed run never leaves a half-written manual in place.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

// The chapters' pages in the Manual menu's order; each chapter is titled by its
// page's <h1>.
const std::vector<QString> kKapitel = {
    QStringLiteral("kortversion.html"), QStringLiteral("kontoplan.html"),
    QStringLiteral("redovisning.html"), QStringLiteral("foretag.html"),
    QStringLiteral("rapporter.html"),   QStringLiteral("moms.html"),
    QStringLiteral("utskrifter.html"),  QStringLiteral("sarskilda.html"),
    QStringLiteral("rattelser.html"),
};

[[noreturn]] void Avbryt(const QString &text) {
    std::fprintf(stderr, "tovana_manualpdf: %s\n", text.toLocal8Bit().constData());
    std::exit(1);
}

// The page's body without the navigation line (the paragraph of links to the
// other pages), which means nothing on paper.
QString LasSida(const QDir &mapp, const QString &fil) {
    QFile f(mapp.filePath(fil));
    if (!f.open(QIODevice::ReadOnly))
        Avbryt(QStringLiteral("kan inte läsa %1: %2").arg(f.fileName(), f.errorString()));
    const QByteArray bytes = f.readAll();
    // The pages are kept as the Manual menu's browser reads them: Windows-1252
    // with CR LF, saying so in their head. A page saved as UTF-8 would show
    // "Ã¤" for "ä" there, so it stops the build here.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString somUtf8 = utf8(bytes);
    if (!utf8.hasError() && somUtf8.toLatin1() != bytes)
        Avbryt(QStringLiteral("%1 är sparad som UTF-8, inte Windows-1252").arg(f.fileName()));
    if (bytes.count('\n') != bytes.count("\r\n"))
        Avbryt(QStringLiteral("%1 har rader som inte slutar med CR LF").arg(f.fileName()));
    if (!bytes.contains("<meta charset=\"windows-1252\">"))
        Avbryt(QStringLiteral("%1 saknar <meta charset=\"windows-1252\">").arg(f.fileName()));
    QStringDecoder avkodare("windows-1252");
    QString html = avkodare(bytes);
    if (avkodare.hasError())
        Avbryt(QStringLiteral("%1 är inte Windows-1252").arg(f.fileName()));
    // Every picture a page shows must be there, or the PDF would show a hole.
    const QRegularExpression bild(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    for (auto traff = bild.globalMatch(html); traff.hasNext();) {
        const QString src = traff.next().captured(1);
        if (!QFile::exists(mapp.filePath(src)))
            Avbryt(QStringLiteral("%1 visar %2, som saknas").arg(f.fileName(), src));
    }
    const qsizetype borjan = html.indexOf(QRegularExpression(QStringLiteral("<body[^>]*>")));
    const qsizetype slut = html.lastIndexOf(QStringLiteral("</body>"));
    if (borjan < 0 || slut < borjan)
        Avbryt(QStringLiteral("%1 saknar <body>").arg(f.fileName()));
    html = html.mid(borjan, slut - borjan);
    html.remove(QRegularExpression(QStringLiteral("^<body[^>]*>")));
    html.remove(QRegularExpression(QStringLiteral("<p class=\"nav\">.*?</p>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    html.remove(QRegularExpression(QStringLiteral("<p><a href=\"kortversion.html\">.*?</p>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    return html;
}

class Sattare {
public:
    Sattare(QPdfWriter &skrivare, const QDir &mapp) : skrivare_(skrivare), mapp_(mapp) {
        rektangel_ = skrivare_.pageLayout().paintRectPixels(skrivare_.resolution());
    }

    // A document laid out on the page's width, its pictures found in the folder.
    std::unique_ptr<QTextDocument> Dokument(const QString &html) const {
        auto dok = std::make_unique<QTextDocument>();
        // Fonts and pictures measured at the PDF's resolution, not the screen's.
        dok->documentLayout()->setPaintDevice(&skrivare_);
        dok->setDocumentMargin(0);
        QFont typsnitt(QStringLiteral("DejaVu Sans"));
        typsnitt.setPointSizeF(10);
        dok->setDefaultFont(typsnitt);
        dok->setDefaultStyleSheet(QStringLiteral(
            "h1 { font-size: 20pt; } h2 { font-size: 14pt; } code, pre { font-family: "
            "'DejaVu Sans Mono'; }"));
        dok->setMetaInformation(QTextDocument::DocumentUrl,
                                QUrl::fromLocalFile(mapp_.absolutePath() + '/').toString());
        dok->setBaseUrl(QUrl::fromLocalFile(mapp_.absolutePath() + '/'));
        dok->setPageSize(rektangel_.size());
        dok->setHtml(html);
        return dok;
    }

    int Sidor(const QTextDocument &dok) const { return dok.pageCount(); }

    // Paints every page of `dok`, each on a new sheet (the first too, except the
    // very first sheet of the file).
    void Mala(QPainter &malare, QTextDocument &dok) {
        const QSizeF storlek = dok.pageSize();
        for (int sida = 0; sida < dok.pageCount(); ++sida) {
            if (malad_)
                skrivare_.newPage();
            malad_ = true;
            malare.save();
            malare.translate(0, -sida * storlek.height());
            QAbstractTextDocumentLayout::PaintContext sammanhang;
            // A hair short of the next page, so its first picture leaves no line here.
            sammanhang.clip =
                QRectF(0, sida * storlek.height(), storlek.width(), storlek.height() - 2);
            malare.setClipRect(sammanhang.clip);
            dok.documentLayout()->draw(&malare, sammanhang);
            malare.restore();
        }
    }

private:
    QPdfWriter &skrivare_;
    QDir mapp_;
    QRect rektangel_;
    bool malad_ = false;
};

QString Titelsida(const QString &version) {
    return QStringLiteral("<div style=\"margin-top: 200px;\" align=\"center\">"
                          "<h1 style=\"font-size: 32pt;\">Tovana – manual</h1>"
                          "<p style=\"font-size: 14pt;\">Version %1</p>"
                          "<p>Dubbel bokföring för mindre företag och föreningar</p></div>")
        .arg(version.toHtmlEscaped());
}

// The text of a page's first <h1>, as markup (it is already escaped there).
QString Rubrik(const QString &html, const QString &fil) {
    const auto traff = QRegularExpression(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                          QRegularExpression::DotMatchesEverythingOption)
                           .match(html);
    if (!traff.hasMatch())
        Avbryt(QStringLiteral("%1 saknar rubrik (<h1>)").arg(fil));
    return traff.captured(1).simplified();
}

QString Innehall(const std::vector<QString> &rubriker, const std::vector<int> &forstaSida) {
    QString html = QStringLiteral("<h1>Innehåll</h1><table width=\"100%\" cellpadding=\"4\">");
    for (size_t i = 0; i < rubriker.size(); ++i)
        html += QStringLiteral("<tr><td>%1. %2</td><td align=\"right\">%3</td></tr>")
                    .arg(i + 1)
                    .arg(rubriker[i])
                    .arg(forstaSida[i]);
    return html + QStringLiteral("</table>");
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList argument = app.arguments();
    if (argument.size() != 4)
        Avbryt(QStringLiteral("användning: tovana_manualpdf <manualmapp> <version> <fil.pdf>"));
    const QDir mapp(argument[1]);
    const QString version = argument[2];
    const QString utfil = argument[3];
    const QString tillfallig = utfil + QStringLiteral(".tmp");

    std::vector<QString> sidor;
    std::vector<QString> rubriker;
    for (const QString &fil : kKapitel) {
        sidor.push_back(LasSida(mapp, fil));
        rubriker.push_back(Rubrik(sidor.back(), fil));
    }

    QFile::remove(tillfallig);
    {
        QPdfWriter skrivare(tillfallig);
        skrivare.setTitle(QStringLiteral("Tovana – manual"));
        skrivare.setCreator(QStringLiteral("Tovana ") + version);
        skrivare.setPageSize(QPageSize(QPageSize::A4));
        skrivare.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        skrivare.setResolution(150);
        Sattare sattare(skrivare, mapp);

        // Lay every chapter out first, to number the pages in the contents.
        std::vector<std::unique_ptr<QTextDocument>> kapitel;
        for (const QString &html : sidor)
            kapitel.push_back(sattare.Dokument(html));
        auto titel = sattare.Dokument(Titelsida(version));
        std::vector<int> forstaSida(kKapitel.size(), 0);
        auto innehall = sattare.Dokument(Innehall(rubriker, forstaSida));
        int sida = sattare.Sidor(*titel) + sattare.Sidor(*innehall) + 1;
        for (size_t i = 0; i < kapitel.size(); ++i) {
            forstaSida[i] = sida;
            sida += sattare.Sidor(*kapitel[i]);
        }
        innehall = sattare.Dokument(Innehall(rubriker, forstaSida));

        QPainter malare;
        if (!malare.begin(&skrivare))
            Avbryt(QStringLiteral("kan inte skriva %1").arg(tillfallig));
        sattare.Mala(malare, *titel);
        sattare.Mala(malare, *innehall);
        for (auto &dok : kapitel)
            sattare.Mala(malare, *dok);
        if (!malare.end())
            Avbryt(QStringLiteral("kan inte skriva %1").arg(tillfallig));
    }
    QFile skriven(tillfallig);
    if (skriven.size() == 0)
        Avbryt(QStringLiteral("kan inte skriva %1").arg(tillfallig));
    QFile::remove(utfil);
    if (!skriven.rename(utfil))
        Avbryt(QStringLiteral("kan inte byta namn till %1: %2").arg(utfil, skriven.errorString()));
    return 0;
}
