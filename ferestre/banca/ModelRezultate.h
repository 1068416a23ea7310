#pragma once

#include <QAbstractListModel>
#include <QHash>

namespace tezaurel {

class Colectie;
class Miniaturi;
class ModelBanca;

// What the bank found, for a list view: each problem's thumbnail with its
// class, level and chapter beneath; a problem is dragged out by its picture.
class ModelRezultate : public QAbstractListModel
{
    Q_OBJECT

public:
    static inline const QString TipPoza = QStringLiteral("application/x-tezaurel-poza");
    enum Rol { RolSlot = Qt::UserRole, RolPoza };

    ModelRezultate(Colectie &colectie, ModelBanca &banca, Miniaturi &miniaturi,
                   QObject *parinte = nullptr);

    void SeteazaMiniaturi(bool cuMiniaturi);
    int rowCount(const QModelIndex &parinte = {}) const override;
    QVariant data(const QModelIndex &index, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override { return {TipPoza}; }
    QMimeData *mimeData(const QModelIndexList &indecsi) const override;

private:
    // Looked up once: a name in another case is searched for in the folder.
    QString CalePoza(int slot) const;

    Colectie &m_colectie;
    ModelBanca &m_banca;
    Miniaturi &m_miniaturi;
    bool m_cuMiniaturi = true;
    mutable QHash<int, QString> m_cai;
    mutable QHash<QString, int> m_sloturi;
};

} // namespace tezaurel
