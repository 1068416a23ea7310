#pragma once

#include "model/CitirePoza.h"
#include "model/PozaPanoramata.h"

#include <QDateTime>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace tezaurel {

class Platforma;
class Panza;
class Colectie;

// The editor's marking for deletion and restoring, also offered where a
// problem is chosen from a list: the problem not marked whose picture is
// nume gets the mark; the marked one with that picture that was marked last
// loses it. Each tells the user how it went; true when the collection changed.
bool MarcheazaProblema(Colectie &definitii, const QString &nume);
bool RepuneProblema(Colectie &definitii, const QString &nume);

// What the problem editor does: open a picture, save it as a new problem with
// its metadata, mark a problem as deleted, and pan the picture about. The
// window only forwards its menu clicks and mouse events here.
class EditareProbleme
{
public:
    EditareProbleme(Colectie &definitii, Panza &panza);

    // --- the menu commands
    void DeschideFisier();
    void SalveazaProblema();
    void StergeProblema();
    // Takes the deletion mark off the opened picture's problem, or off the
    // problem just marked while nothing else was opened, until the purge.
    void RepuneProblema();
    // What "Revenire" does before the window hides; the panning offsets and
    // the picture size are kept.
    void Revenire()
    {
        m_marcataUltima.clear();
        Goleste();
    }

    // --- the surface's events (pointer in surface pixels, any button)
    void Activare() { m_poza.Activare(); }
    void Apasa(double x, double y) { m_poza.Apasa(x, y); }
    void Misca(double x, double y) { m_poza.Misca(x, y); }
    void Elibereaza(double x, double y) { m_poza.Elibereaza(x, y); }
    // The picture as shown, for the zoom commands.
    PozaPanoramata &Poza() { return m_poza; }

    // "" when nothing is loaded that could be saved or marked.
    const QString &NumeFisier() const { return m_numeFisier; }
    int32_t LatimeImagine() const { return m_poza.Naturala().width(); }
    // The hidden holder: the picture at its natural size, as it is stored.
    const QImage &PozaNaturala() const { return m_poza.Naturala(); }
    const Panoramare &StareTragere() const { return m_poza.Panorama; }

    // The open-file dialog starts in Probleme, or in the application folder
    // while there is no Probleme to start in.
    QString DosarInitial() const;
    // The text after the last "." of the whole path (all of it without a dot)
    // must be jpg or jpeg in any case.
    static bool EsteJpeg(const QString &cale);
    // The text after the last path separator.
    static QString NumeSimplu(const QString &cale);
    // The system's number format, blanks around allowed, halves to even;
    // nothing when the text is no number or falls outside 16 bits.
    static std::optional<int16_t> ConvertesteIntreg(const QString &text);

private:
    Platforma &platforma() const;
    // The picture in the holder's pixel format, when it could be read.
    PozaCitita CitestePoza(const QString &cale) const;
    // The chosen file's own bytes, or the holder's when the file changed
    // since it was shown; nothing, after telling the user, when they cannot be had.
    std::optional<QByteArray> OctetiPoza() const;
    int16_t CitesteIntreg(const QString &intrebare) const;
    QString CitesteText(const QString &intrebare) const;
    void Goleste();

    Colectie &m_definitii;
    Panza &m_panza;
    PozaPanoramata m_poza;
    QString m_numeFisier;
    QString m_marcataUltima;
    // The file shown, as it was when it was read.
    QString m_caleAleasa;
    qint64 m_marimeAleasa = 0;
    QDateTime m_modificareAleasa;
};

} // namespace tezaurel
