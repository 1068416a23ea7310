#include "platforma/module/Module.h"

#include <QFile>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <clocale>
#include <dlfcn.h>
#include <locale.h>

namespace tezaurel {

namespace {

constexpr const char *Limba = "ron";

class RecunoastereTesseract final : public Recunoastere
{
public:
    explicit RecunoastereTesseract(QString dosarDate)
        : m_dosarDate(std::move(dosarDate))
    {}

    ~RecunoastereTesseract() override
    {
        if (m_api)
            m_api->End();
        if (m_localeC) {
            uselocale(LC_GLOBAL_LOCALE);
            freelocale(m_localeC);
        }
    }

    std::optional<QString> Recunoaste(QImage poza, const std::atomic<bool> &oprire) override
    {
        std::optional<QString> text;
        m_cuvinte.clear();
        if (Citeste(std::move(poza), oprire)) {
            const std::unique_ptr<char[]> utf8(m_api->GetUTF8Text());
            text = utf8 ? QString::fromUtf8(utf8.get()).trimmed() : QString();
            m_cuvinte = CuvinteGasite();
        }
        if (m_api)
            m_api->Clear();
        return text;
    }

    std::vector<CuvantRecunoscut> Cuvinte() const override { return m_cuvinte; }

    std::optional<std::vector<RandRecunoscut>>
    RecunoasteRanduri(QImage poza, const std::atomic<bool> &oprire) override
    {
        std::optional<std::vector<RandRecunoscut>> randuri;
        if (Citeste(std::move(poza), oprire)) {
            randuri.emplace();
            const std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
            int bloc = 0;
            for (bool urmator = it != nullptr; urmator;
                 urmator = it->Next(tesseract::RIL_TEXTLINE)) {
                if (it->IsAtBeginningOf(tesseract::RIL_BLOCK))
                    ++bloc;
                const std::unique_ptr<char[]> utf8(it->GetUTF8Text(tesseract::RIL_TEXTLINE));
                int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                if (!utf8 || !it->BoundingBox(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2))
                    continue;
                randuri->push_back({QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)),
                                    QString::fromUtf8(utf8.get()).trimmed(), bloc});
            }
        }
        if (m_api)
            m_api->Clear();
        return randuri;
    }

private:
    // Recognises poza into the engine; its results are read before Clear().
    bool Citeste(QImage poza, const std::atomic<bool> &oprire)
    {
        if (!Pregateste() || poza.isNull())
            return false;
        {
            // Grey levels are all Tesseract looks at, and a quarter of the bytes of RGB.
            const QImage gri = std::move(poza).convertToFormat(QImage::Format_Grayscale8);
            m_api->SetImage(gri.constBits(), gri.width(), gri.height(), 1, int(gri.bytesPerLine()));
            const int dpi = qRound(gri.dotsPerMeterX() * 0.0254);
            // Scans carry their resolution; a picture without one is taken for
            // the usual 300 dpi, which keeps Tesseract from guessing from noise.
            m_api->SetSourceResolution(dpi >= 70 && dpi <= 1200 ? dpi : 300);
        } // Tesseract keeps a copy of its own: this one would only wait beside it.

        tesseract::ETEXT_DESC monitor;
        monitor.cancel = [](void *stare, int) {
            return static_cast<const std::atomic<bool> *>(stare)->load();
        };
        monitor.cancel_this = const_cast<std::atomic<bool> *>(&oprire);
        return m_api->Recognize(&monitor) == 0 && !oprire;
    }

    // Tesseract already knows where each word stands once it has read the
    // page; the paper's layout uses it to hide the number a scan prints.
    std::vector<CuvantRecunoscut> CuvinteGasite()
    {
        std::vector<CuvantRecunoscut> cuvinte;
        const std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
        if (!it)
            return cuvinte;
        do {
            int stanga = 0, sus = 0, dreapta = 0, jos = 0;
            const std::unique_ptr<char[]> cuvant(it->GetUTF8Text(tesseract::RIL_WORD));
            if (cuvant && it->BoundingBox(tesseract::RIL_WORD, &stanga, &sus, &dreapta, &jos))
                cuvinte.push_back({QRect(QPoint(stanga, sus), QPoint(dreapta - 1, jos - 1)),
                                   QString::fromUtf8(cuvant.get())});
        } while (it->Next(tesseract::RIL_WORD));
        return cuvinte;
    }

    bool Pregateste()
    {
        if (m_api || m_esec)
            return !m_esec;
        // Tesseract parses numbers in its data with the C library and refuses
        // another locale; this thread alone is switched, the windows keep theirs.
        m_localeC = newlocale(LC_ALL_MASK, "C", nullptr);
        if (m_localeC)
            uselocale(m_localeC);
        // Debian builds Tesseract with OpenMP, whose team of threads spins
        // while it waits: on a busy machine a page then costs four to five
        // times the processor time (bench_cautare). One thread per picture
        // leaves the other core to the windows; throughput comes from one
        // engine per worker instead. The setting belongs to this thread, and
        // is looked up at run time: a Tesseract without OpenMP has none.
        using Niveluri = void (*)(int);
        if (auto niveluri =
                reinterpret_cast<Niveluri>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels")))
            niveluri(0);
        m_api = std::make_unique<tesseract::TessBaseAPI>();
        const QByteArray dosar = QFile::encodeName(m_dosarDate);
        if (m_api->Init(dosar.constData(), Limba, tesseract::OEM_DEFAULT) != 0) {
            m_api.reset();
            m_esec = true;
            return false;
        }
        m_api->SetPageSegMode(tesseract::PSM_AUTO);
        return true;
    }

    QString m_dosarDate;
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    locale_t m_localeC = nullptr;
    bool m_esec = false;
    std::vector<CuvantRecunoscut> m_cuvinte;
};

} // namespace

} // namespace tezaurel

extern "C" Q_DECL_EXPORT tezaurel::Recunoastere *
tezaurel_recunoastere_noua(const QString &dosarDate)
{
    return new tezaurel::RecunoastereTesseract(dosarDate);
}
