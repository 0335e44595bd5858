#pragma once
// A list of compressed skins, one of which the store loads by index (SkinList and
// SkinIndex of TvnSkinData). Each item carries its skin in declared data as the
// binary property "Skin", in the compressed skin stream format (version, length,
// compressed bytes).
#include "CompressedStoredSkin.h"
#include "framework/Collection.h"

class TvnSkinListItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString Description READ Description WRITE SetDescription)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString CompressedFileName READ CompressedFileName WRITE SetCompressedFileName)
    Q_PROPERTY(QByteArray Skin READ Skin WRITE SetSkin STORED true)
public:
    // A new item is named "vnSkin<n>", n being its index in the collection.
    explicit TvnSkinListItem(TCollection* collection);

    QString Name() const { return m_name; }
    void SetName(const QString& value) { m_name = value; }
    QString Description() const { return m_storedSkin->Description(); }
    void SetDescription(const QString& value) { m_storedSkin->SetDescription(value); }
    QString FileName() const { return m_storedSkin->FileName(); }
    void SetFileName(const QString& value) { m_storedSkin->SetFileName(value); }
    QString CompressedFileName() const { return m_storedSkin->CompressedFileName(); }
    void SetCompressedFileName(const QString& value) { m_storedSkin->SetCompressedFileName(value); }
    QByteArray Skin() const { return m_storedSkin->CompressedStreamBytes(); }
    void SetSkin(const QByteArray& stream) { m_storedSkin->SetCompressedStreamBytes(stream); }

    // The item's own stored skin (it has no owner component; the item frees it).
    TvnCompressedStoredSkin* StoredSkin() const { return m_storedSkin; }

    void Assign(const TvnSkinListItem& other);

private:
    QString m_name;
    TvnCompressedStoredSkin* m_storedSkin;
};

class TvnSkinListItems : public TOwnedCollection<TvnSkinListItem> {
    Q_OBJECT
public:
    using TOwnedCollection::TOwnedCollection;
    // Replaces the items by copies of `other`'s.
    void Assign(const TvnSkinListItems& other);
};

class TvnCompressedSkinList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TvnSkinListItems* Skins READ Skins WRITE SetSkins)
public:
    explicit TvnCompressedSkinList(QObject* owner = nullptr);

    TvnSkinListItems* Skins() const { return m_skins; }
    // Copies the items; the list keeps its own collection.
    void SetSkins(TvnSkinListItems* value);

private:
    TvnSkinListItems* m_skins;
};
