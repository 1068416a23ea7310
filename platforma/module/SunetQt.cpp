#include "platforma/module/Module.h"

#include <QSoundEffect>
#include <QUrl>

namespace tezaurel {

namespace {

class SunetQt final : public Sunet
{
public:
    void Canta(const QString &cale) override
    {
        const QUrl sursa = QUrl::fromLocalFile(cale);
        if (m_efect.source() != sursa)
            m_efect.setSource(sursa);
        m_efect.play();
    }

private:
    QSoundEffect m_efect;
};

} // namespace

} // namespace tezaurel

extern "C" Q_DECL_EXPORT tezaurel::Sunet *tezaurel_sunet_nou()
{
    return new tezaurel::SunetQt;
}
