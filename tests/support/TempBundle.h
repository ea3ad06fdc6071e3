#pragma once

// A bundle of the test's own in a temporary folder: bin/ for the stand-in
// executable and Resources/ beside it, into which a test puts the built
// pictures, a damaged file, or nothing. The stand-in lasts as long as the
// object.

#include <QString>
#include <QTemporaryDir>

class TempBundle {
public:
    TempBundle();
    ~TempBundle();
    TempBundle(const TempBundle&) = delete;
    TempBundle& operator=(const TempBundle&) = delete;

    // Copies the picture of that name from the built bundle.
    void Put(const QString& name) const;
    // Writes bytes that no picture reader takes under that name.
    void PutDamaged(const QString& name) const;
    void Remove(const QString& name) const;
    // Takes the Resources folder away altogether.
    void RemoveResources() const;

private:
    QString ResourcesPath() const;

    QTemporaryDir root_;
};

// The folder of the built bundle's pictures.
QString BuiltResources();
