#include "logica/lucrari/DocumentLucrare.h"

#include "logica/lucrari/RedareLucrare.h"
#include "model/AdaugareProbleme.h"

#include <QBuffer>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QUrl>

namespace tezaurel {

namespace {
constexpr int TwipsPePunct = 20;

QTextCharFormat Litera(int puncte, bool ingrosat = false)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("DejaVu Sans")});
    f.setFontPointSize(puncte);
    f.setFontWeight(ingrosat ? QFont::Bold : QFont::Normal);
    return f;
}

void Paragraf(QTextCursor &c, const QString &text, const QTextCharFormat &f,
              Qt::Alignment aliniere = Qt::AlignLeft)
{
    QTextBlockFormat b;
    b.setAlignment(aliniere);
    c.insertBlock(b, f);
    c.insertText(text, f);
}

void Varianta(QTextDocument &doc, QTextCursor &c, const RedareLucrare &redare, int nrVariantei)
{
    const Lucrare &l = redare.LucrareaRedata();
    const AntetLucrare &a = l.Antet;
    Paragraf(c,
             a.Scoala.simplified() + QStringLiteral("\tData: ") +
                 a.Data.toString(QStringLiteral("dd.MM.yyyy")),
             Litera(12));
    if (!a.Clasa.trimmed().isEmpty())
        Paragraf(c, TextClasa(a.Clasa), Litera(12));
    if (!a.Titlu.trimmed().isEmpty())
        Paragraf(c, a.Titlu.simplified(), Litera(14, true), Qt::AlignHCenter);
    if (a.Varianta > 0)
        Paragraf(c, QStringLiteral("Varianta %1").arg(a.Varianta), Litera(12), Qt::AlignHCenter);
    if (a.LiniaNume)
        Paragraf(c, QStringLiteral("Numele și prenumele: ") + QString(40, QLatin1Char('_')),
                 Litera(12));
    if (!LiniaTimp(a).isEmpty())
        Paragraf(c, LiniaTimp(a), Litera(12));
    for (size_t i = 0; i < l.Probleme.size(); ++i) {
        Paragraf(c, EtichetaProblema(int(i) + 1, l.Probleme[i].Puncte) + QLatin1Char(' '),
                 Litera(12, true));
        const PozaPregatita *poza = redare.PozaProblemei(i);
        if (!poza || poza->Poza.isNull()) {
            c.insertText(l.Probleme[i].Poza.isEmpty()
                             ? QStringLiteral("(Nicio problemă aleasă în această variantă.)")
                             : QStringLiteral("(Poza problemei %1 nu poate fi citită.)")
                                   .arg(l.Probleme[i].Poza),
                         Litera(12));
            continue;
        }
        const QUrl nume(QStringLiteral("varianta%1-problema%2.png").arg(nrVariantei).arg(i + 1));
        doc.addResource(QTextDocument::ImageResource, nume, poza->Poza);
        QTextImageFormat imagine;
        imagine.setName(nume.toString());
        imagine.setWidth(double(poza->Marime.width()) / TwipsPePunct);
        imagine.setHeight(double(poza->Marime.height()) / TwipsPePunct);
        c.insertImage(imagine);
        // The room to work, as empty lines of 12 points (0.6 cm with their spacing).
        for (int r = 0; r < int(l.Probleme[i].SpatiuCm / 0.6); ++r)
            Paragraf(c, QString(), Litera(12));
    }
}
} // namespace

bool ScrieOdt(const std::vector<RedareLucrare *> &variante, const QString &cale, QString *motiv)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    for (size_t v = 0; v < variante.size(); ++v) {
        if (v > 0) {
            QTextBlockFormat pagina;
            pagina.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.insertBlock(pagina);
        }
        Varianta(doc, c, *variante[v], int(v) + 1);
    }
    QByteArray octeti;
    QBuffer buffer(&octeti);
    QTextDocumentWriter scriitor(&buffer, "odf");
    if (!scriitor.write(&doc) || !octeti.startsWith("PK"))
        return false;
    const int eroare = ScrieFisierIntreg(cale, octeti, /*inlocuieste=*/true);
    if (eroare != 0 && motiv)
        *motiv = MotivEroareScriere(eroare);
    return eroare == 0;
}

} // namespace tezaurel
