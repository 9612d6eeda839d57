#ifndef TESTCODECS_H
#define TESTCODECS_H

#include <QObject>

// The register words and what they mean, both ways, without a line.
class TestCodecs : public QObject
{
    Q_OBJECT
private slots:
    void floats_data();
    void floats();
    void clock();
    void fsdId_data();
    void fsdId();
    void installationDate();
    void readOnlyTexts();
    void ctRatio_data();
    void ctRatio();
    void scaledWords();
    void tableIsConsistent();
};

#endif
