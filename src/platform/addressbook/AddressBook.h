#pragma once
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

class ABGroup;
class ABPerson;
class ABRecord;
class ABSearchElement;
class AddressBookBackend;

// The application's own store of persons and groups, one vCard 4.0 file per
// record. Opening reads every file; a file that is damaged or not a vCard 4.0
// card is skipped with a log line and never touched. `save` writes only the
// records changed since they were read, each file atomically.
//
// What the cellar book needs, in short:
//   find a company:  recordsMatchingSearchElement(ABPerson::searchElementForProperty(
//                        kABOrganizationProperty, {}, {}, name, ABSearchComparison::EqualCaseInsensitive))
//   add a person:    addRecord(person)
//   membership:      group->addMember(person) / removeMember(person), person->parentGroups()
//   picture:         person->setImageData(tiff)
//   store:           if (hasUnsavedChanges()) save();
class AddressBook {
public:
    explicit AddressBook(std::unique_ptr<AddressBookBackend> backend);
    ~AddressBook();
    AddressBook(const AddressBook&) = delete;
    AddressBook& operator=(const AddressBook&) = delete;

    // "AddressBook" in the application's data folder.
    static QString defaultFolder();
    // A book on a folder of .vcf files; an empty path means defaultFolder().
    static std::unique_ptr<AddressBook> openFolder(const QString& folder = QString());

    std::shared_ptr<ABRecord> recordForUniqueId(const QString& uniqueId) const;
    std::shared_ptr<ABPerson> personForUniqueId(const QString& uniqueId) const;
    std::shared_ptr<ABGroup> groupForUniqueId(const QString& uniqueId) const;
    QList<std::shared_ptr<ABPerson>> people() const;
    QList<std::shared_ptr<ABGroup>> groups() const;
    QList<std::shared_ptr<ABPerson>> recordsMatchingSearchElement(const ABSearchElement& element) const;

    // False when null, already in a book, or its ID is taken.
    bool addRecord(const std::shared_ptr<ABRecord>& record);
    // Removes the record (a person also from every group); its file goes at the next save.
    bool removeRecord(const std::shared_ptr<ABRecord>& record);

    bool hasUnsavedChanges() const { return m_unsaved; }
    // Writes what changed. False when any file could not be written or removed:
    // those changes stay unsaved (and are tried again next time), lastError() says why.
    bool save();
    QString lastError() const { return m_lastError; }

    // One message per file that was skipped when the book was read.
    QStringList skippedFiles() const { return m_skipped; }
    const AddressBookBackend& backend() const { return *m_backend; }

private:
    friend class ABRecord;
    void recordChanged() { m_unsaved = true; }
    void load();
    QString newFileName(const QString& uniqueId);

    std::unique_ptr<AddressBookBackend> m_backend;
    QList<std::shared_ptr<ABRecord>> m_records;
    QHash<QString, std::shared_ptr<ABRecord>> m_byId;
    QSet<QString> m_usedNames;       // every file name seen or given, lower-cased
    QStringList m_pendingRemovals;
    QStringList m_skipped;
    QString m_lastError;
    bool m_unsaved = false;
};
