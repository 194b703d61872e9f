#pragma once
#include <QString>
#include <QStringList>

// The product folder "Documents/Kelvan" and the data folder inside it: the
// product folder itself, or in client mode one client's folder under "Clients".
class DataFolder {
public:
    // documentsPath: the user's Documents folder (tests pass a temporary one).
    explicit DataFolder(const QString& documentsPath);

    QString productFolder() const { return m_product; }
    QString clientsFolder() const;
    QString clientListPath() const;
    // Client mode is on when the product folder holds a "Clients" folder.
    bool isClientMode() const;
    // The sub-folders of "Clients", sorted.
    QStringList clientFolders() const;
    // A client name that can be a folder name of its own: not empty, no path separators, not "." or "..".
    static bool isUsableClientName(const QString& name);
    // Makes that client's folder the data folder.
    void setClient(const QString& name);
    QString client() const { return m_client; }

    QString dataFolder() const;
    // The data folder relative to the home folder.
    QString rootPath() const;
    // Backups of the product folder; in client mode one folder per client, so that
    // one client's backups are never taken for another's.
    QString backupsFolder() const;
    QString databasePath() const;
    QString databaseCopyPath() const;
    QString catalogueFilePath() const;
    QString imagesFolder() const;
    QString templatesFolder() const;
    QString reportTemplatesFolder() const;

    // Creates the product folder and its "Backups"; an error text, empty on success.
    QString createProductFolders() const;
    // Creates "Images", "Images/Barcodes", "Images/Barcodes/UBIDs", "Templates",
    // "Templates/Reports" in the data folder and the backups folder; an error text, empty on success.
    QString createDataFolders() const;
    // Copies every file of sourceDir into "Templates/Reports" unless a file of that
    // name is there already (the user's edits win). Answers the names copied.
    QStringList copyMissingTemplates(const QString& sourceDir, QString* error) const;
    // Copies the cellar database to "Backups/DaDirad <version>.kvdb" once per
    // version, so that the file as the previous version left it is kept.
    // Answers the backup's path, empty when there was nothing to copy or it exists.
    QString makeVersionBackup(const QString& version, QString* error) const;

    // Copies a file through an atomic write; an error text naming the file, empty on success.
    static QString copyFile(const QString& from, const QString& to);

private:
    QString m_product;
    QString m_client;
};
