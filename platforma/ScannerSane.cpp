#include "platforma/ScannerSane.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <QByteArray>

#include <cmath>
#include <cstring>
#include <optional>

namespace tezaurel {

namespace {

QString MotivSane(SANE_Status stare)
{
    return QString::fromUtf8(sane_strstatus(stare));
}

// The device's option of that name, with its index; nullptr when it has none.
const SANE_Option_Descriptor *Optiune(SANE_Handle h, const char *nume, int &index)
{
    SANE_Int numar = 0;
    if (sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &numar, nullptr) != SANE_STATUS_GOOD)
        return nullptr;
    for (index = 1; index < numar; ++index) {
        const SANE_Option_Descriptor *d = sane_get_option_descriptor(h, index);
        if (d && d->name && std::strcmp(d->name, nume) == 0 && SANE_OPTION_IS_SETTABLE(d->cap))
            return d;
    }
    return nullptr;
}

// The resolution the device offers nearest to the one asked for.
void AlegeRezolutia(SANE_Handle h, int dorita)
{
    int i = 0;
    const SANE_Option_Descriptor *d = Optiune(h, SANE_NAME_SCAN_RESOLUTION, i);
    if (!d || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED))
        return;
    double aleasa = dorita;
    if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        const auto *r = d->constraint.range;
        auto real = [&](SANE_Word w) { return d->type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : w; };
        aleasa = std::clamp(aleasa, real(r->min), real(r->max));
    } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *lista = d->constraint.word_list;
        double cea = -1;
        for (int k = 1; k <= lista[0]; ++k) {
            const double v = d->type == SANE_TYPE_FIXED ? SANE_UNFIX(lista[k]) : lista[k];
            if (cea < 0 || std::abs(v - dorita) < std::abs(cea - dorita))
                cea = v;
        }
        if (cea > 0)
            aleasa = cea;
    }
    SANE_Word valoare = d->type == SANE_TYPE_FIXED ? SANE_FIX(aleasa) : SANE_Word(aleasa);
    sane_control_option(h, i, SANE_ACTION_SET_VALUE, &valoare, nullptr);
}

// The first of a string option's choices that contains one of the words, case aside.
void AlegeText(SANE_Handle h, const char *nume, const QStringList &cuvinte)
{
    int i = 0;
    const SANE_Option_Descriptor *d = Optiune(h, nume, i);
    if (!d || d->type != SANE_TYPE_STRING || d->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return;
    for (const QString &cuvant : cuvinte)
        for (const SANE_String_Const *s = d->constraint.string_list; *s; ++s)
            if (QString::fromUtf8(*s).contains(cuvant, Qt::CaseInsensitive)) {
                QByteArray valoare(*s);
                valoare.resize(std::max<qsizetype>(valoare.size() + 1, d->size));
                sane_control_option(h, i, SANE_ACTION_SET_VALUE, valoare.data(), nullptr);
                return;
            }
}

// The bytes of one frame as a picture: grey, colour or bi-level, 8 or 16 bits.
QImage Poza(const SANE_Parameters &p, const QByteArray &octeti, int dpi)
{
    const int randuri = p.lines > 0 ? p.lines : int(octeti.size() / std::max(1, p.bytes_per_line));
    const auto *sursa = reinterpret_cast<const uchar *>(octeti.constData());
    QImage poza;
    if (p.depth == 1 && p.format == SANE_FRAME_GRAY) {
        poza = QImage(p.pixels_per_line, randuri, QImage::Format_Mono);
        poza.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)}); // SANE's 1 is black
    } else if (p.format == SANE_FRAME_GRAY) {
        poza = QImage(p.pixels_per_line, randuri, QImage::Format_Grayscale8);
    } else if (p.format == SANE_FRAME_RGB) {
        poza = QImage(p.pixels_per_line, randuri, QImage::Format_RGB888);
    } else {
        return {};
    }
    const int latime = p.depth == 1 ? (p.pixels_per_line + 7) / 8
                                    : p.pixels_per_line * (p.format == SANE_FRAME_RGB ? 3 : 1);
    for (int y = 0; y < randuri && qsizetype(y + 1) * p.bytes_per_line <= octeti.size(); ++y) {
        const uchar *rand = sursa + qsizetype(y) * p.bytes_per_line;
        uchar *tinta = poza.scanLine(y);
        for (int x = 0; x < latime; ++x)
            // Of 16 bits the high byte, in the machine's order as SANE gives them.
            tinta[x] = p.depth == 16 ? rand[x * 2 + (QSysInfo::ByteOrder == QSysInfo::LittleEndian)]
                                     : rand[x];
    }
    const int dpm = qRound(dpi / 0.0254);
    poza.setDotsPerMeterX(dpm);
    poza.setDotsPerMeterY(dpm);
    return poza;
}

} // namespace

ScannerSane::ScannerSane()
{
    SANE_Int versiune = 0;
    m_initializat = sane_init(&versiune, nullptr) == SANE_STATUS_GOOD;
}

ScannerSane::~ScannerSane()
{
    if (m_initializat)
        sane_exit();
}

std::vector<DispozitivScanare> ScannerSane::Dispozitive(QString &eroare)
{
    std::vector<DispozitivScanare> lista;
    const SANE_Device **dispozitive = nullptr;
    if (!m_initializat || sane_get_devices(&dispozitive, SANE_FALSE) != SANE_STATUS_GOOD) {
        eroare = QStringLiteral("Scanerele nu pot fi căutate: sistemul de scanare (SANE) nu "
                                "răspunde.");
        return lista;
    }
    for (; dispozitive && *dispozitive; ++dispozitive)
        lista.push_back({QString::fromUtf8((*dispozitive)->name),
                         QStringLiteral("%1 %2").arg(QString::fromUtf8((*dispozitive)->vendor),
                                                     QString::fromUtf8((*dispozitive)->model))});
    return lista;
}

namespace {

// One frame read to its end; nothing, with eroare or anulata set, when it was not.
std::optional<QImage> CitestePagina(SANE_Handle h, int dpi, int pagina,
                                    const std::function<void(int, int)> &progres,
                                    const std::atomic<bool> &anulare, RezultatScanare &rezultat)
{
    SANE_Parameters p{};
    SANE_Status stare = sane_get_parameters(h, &p);
    if (stare != SANE_STATUS_GOOD || !p.last_frame) {
        rezultat.Eroare = QStringLiteral("Scanerul trimite pagina într-un fel pe care programul "
                                         "nu îl cunoaște.");
        return std::nullopt;
    }
    const qint64 asteptati = p.lines > 0 ? qint64(p.lines) * p.bytes_per_line : 0;
    QByteArray octeti;
    std::vector<SANE_Byte> bucata(64 * 1024);
    for (;;) {
        if (anulare) {
            rezultat.Anulata = true;
            return std::nullopt;
        }
        SANE_Int cititi = 0;
        stare = sane_read(h, bucata.data(), SANE_Int(bucata.size()), &cititi);
        if (stare == SANE_STATUS_EOF)
            break;
        if (stare != SANE_STATUS_GOOD) {
            rezultat.Eroare = QStringLiteral("Scanarea paginii %1 s-a oprit: %2.")
                                  .arg(pagina + 1)
                                  .arg(MotivSane(stare));
            return std::nullopt;
        }
        octeti.append(reinterpret_cast<const char *>(bucata.data()), cititi);
        if (progres && asteptati > 0)
            progres(pagina, int(std::min<qint64>(100, octeti.size() * 100 / asteptati)));
    }
    QImage poza = Poza(p, octeti, dpi);
    if (poza.isNull()) {
        rezultat.Eroare = QStringLiteral("Scanerul trimite pagina într-un fel pe care programul "
                                         "nu îl cunoaște.");
        return std::nullopt;
    }
    return poza;
}

} // namespace

RezultatScanare ScannerSane::Scaneaza(const QString &dispozitiv, const OptiuniScanare &optiuni,
                                      const std::function<void(int, int)> &progres,
                                      const std::atomic<bool> &anulare)
{
    RezultatScanare rezultat;
    SANE_Handle h = nullptr;
    const SANE_Status deschis =
        m_initializat ? sane_open(dispozitiv.toUtf8().constData(), &h) : SANE_STATUS_INVAL;
    if (deschis != SANE_STATUS_GOOD) {
        rezultat.Eroare = QStringLiteral("Scanerul „%1” nu poate fi deschis: %2.")
                              .arg(dispozitiv, MotivSane(deschis));
        return rezultat;
    }
    AlegeText(h, SANE_NAME_SCAN_MODE,
              optiuni.Color ? QStringList{QStringLiteral("color")}
                            : QStringList{QStringLiteral("gray"), QStringLiteral("grey")});
    AlegeRezolutia(h, optiuni.Rezolutie);
    AlegeText(h, SANE_NAME_SCAN_SOURCE,
              optiuni.Alimentator
                  ? QStringList{QStringLiteral("adf"), QStringLiteral("feeder")}
                  : QStringList{QStringLiteral("flatbed"), QStringLiteral("platen")});
    for (int pagina = 0;; ++pagina) {
        const SANE_Status stare = sane_start(h);
        if (stare == SANE_STATUS_NO_DOCS && optiuni.Alimentator && pagina > 0)
            break; // the feeder is empty: every sheet was scanned
        if (stare != SANE_STATUS_GOOD) {
            rezultat.Eroare =
                stare == SANE_STATUS_NO_DOCS
                    ? QStringLiteral("Nu este nicio foaie în alimentatorul scanerului.")
                    : QStringLiteral("Scanerul nu poate începe pagina %1: %2.")
                          .arg(pagina + 1)
                          .arg(MotivSane(stare));
            break;
        }
        int dpi = optiuni.Rezolutie;
        int i = 0;
        if (const auto *d = Optiune(h, SANE_NAME_SCAN_RESOLUTION, i)) {
            SANE_Word valoare = 0;
            if (sane_control_option(h, i, SANE_ACTION_GET_VALUE, &valoare, nullptr) ==
                SANE_STATUS_GOOD)
                dpi = d->type == SANE_TYPE_FIXED ? int(SANE_UNFIX(valoare)) : valoare;
        }
        auto poza = CitestePagina(h, dpi, pagina, progres, anulare, rezultat);
        if (!poza)
            break;
        rezultat.Pagini.push_back(std::move(*poza));
        if (!optiuni.Alimentator)
            break;
    }
    sane_cancel(h);
    sane_close(h);
    return rezultat;
}

} // namespace tezaurel
