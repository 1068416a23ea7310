#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace tezaurel {

// What the title banner draws on and drives: the main window's hidden canvas,
// the window's own surface, its timer and the landing sound.
class GazdaBanner
{
public:
    virtual ~GazdaBanner() = default;

    // The canvas, already sized to the client area.
    virtual QImage &PanzaAscunsa() = 0;
    // Fills the canvas with its background, the system's button face.
    virtual void StergePanzaAscunsa() = 0;
    // Copies the canvas whole onto the window's persistent surface and shows it.
    virtual void CopiazaPeFereastra() = 0;
    virtual void ActiveazaTimer(bool activ) = 0;
    virtual bool FereastraVizibila() const = 0;
    // Plays "next.wav" from the application folder without waiting.
    virtual void CantaSunetul() = 0;
};

// The animated title of the main window: the 21 letters start shuffled along
// one row and are put back in order one slot at a time, each swap moving its
// two letters along mirrored parabolic arcs, one tick every 50 ms.
//
// The main window's load calls, in order: Aseaza, (the window fits its width),
// Amesteca, (the canvas takes the client area), DeseneazaRandul, Porneste.
// Each timer tick then calls Tick.
class Banner
{
public:
    static constexpr int NrLitere = 21;
    static constexpr int Margine = 20;
    static constexpr int Spatiu = 2;
    static constexpr int SpatiuCuvant = 30;
    static constexpr int Pas = 8;
    static constexpr int IntervalTimer = 50; // ms
    static constexpr int NrAmestecari = 201;
    static constexpr int RamaCutie = 2; // each glyph box's frame, on every side
    static constexpr int LatimeMobil = 40;
    static constexpr int InaltimeMobil = 65;
    static constexpr char Litere[] = "TESTYOURMATHKNOWLEDGE";

    struct Pozitie
    {
        int16_t X = 0;
        int16_t Y = 0;
        int16_t Latime = 0;
        int16_t Inaltime = 0;
    };

    // litere: the 21 glyph pictures, each box sized to its picture.
    Banner(GazdaBanner &gazda, std::array<QImage, NrLitere> litere);

    // Steps 1 and 2 of the preparation: the slot layout in the client area as it
    // is now. Returns the client width that fits the row.
    int Aseaza(QSize client);
    // Step 4: rnd answers uniformly in [0, 1).
    void Amesteca(const std::function<double()> &rnd);
    // Step 6: the shuffled row, drawn over whatever the canvas holds.
    void DeseneazaRandul();
    // Step 7: sets up the first swap, or draws the final row when none is needed.
    void Porneste();
    // One timer tick of the animation.
    void Tick();

    const std::array<Pozitie, NrLitere> &Pozitii() const { return m_pozitii; }
    const std::array<int16_t, NrLitere> &Ordine() const { return m_ordine; }
    int CentruX() const { return m_centruX; }
    int RandY() const { return m_randY; }

private:
    int CautaLitera(int k) const;
    void PregatesteSchimb();
    void DeseneazaFixe(int k, int b);
    void DeseneazaMobile(int k, int b);
    void DeseneazaFinal();
    // Int of the swap parabola at relative x, evaluated in single precision.
    int YParabola(int x) const;
    void DeseneazaInSlot(int g, int i);
    void Avanseaza();

    GazdaBanner &m_gazda;
    std::array<QImage, NrLitere> m_litere;
    std::array<Pozitie, NrLitere> m_pozitii{};
    std::array<int16_t, NrLitere> m_ordine{};
    int16_t m_centruX = 0;
    int16_t m_randY = 0;
    int16_t m_tinta = 0;
    int16_t m_sursa = 0;
    float m_x1 = 0;
    float m_x2 = 0;
    float m_coefA = 0;
    float m_coefB = 0;
    float m_coefC = 0;
    int16_t m_xMobil1 = 0;
    int16_t m_xMobil2 = 0;
    QPoint m_acum1;
    QPoint m_acum2;
    QPoint m_urmator1;
    QPoint m_urmator2;
};

// The glyph pictures from <dosarAplicatie>/Litere/LiteraNN.bmp. A picture that
// cannot be read is replaced by its letter drawn in the default font, so the
// title still reads right.
std::array<QImage, Banner::NrLitere> IncarcaLitere(const QString &dosarAplicatie);
QString CaleLitera(const QString &dosarAplicatie, int i);

// A transparent copy: the pixels of dinSursa in sursa that differ from cheie,
// stretched onto tinta in destinatie and clipped to both pictures.
void CopieTransparenta(QImage &destinatie, const QRect &tinta, const QImage &sursa,
                       const QRect &dinSursa, QRgb cheie);

} // namespace tezaurel
