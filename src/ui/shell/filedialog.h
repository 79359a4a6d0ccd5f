#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tessaly {

class Desktop;

// A file dialog kept by its window for the window's whole life, so that it remembers
// the last chosen file (and with it the folder) from one use to the next.
class FileDialog {
  public:
    enum class Kind { Open, Save };

    // filter is in "description|pattern|description|pattern" form, e.g. "*.bmp|*.bmp".
    FileDialog(Desktop& desktop, QWidget* owner, Kind kind, QString filter, QString defaultExt,
               bool picturePreview = false);

    // Shows the dialog; true when the user chose a file, which FileName() then holds.
    bool Execute();

    Kind DialogKind() const { return kind_; }
    const QString& Filter() const { return filter_; }
    const QString& DefaultExt() const { return defaultExt_; }
    bool PicturePreview() const { return picturePreview_; }
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

    // The filter as Qt's name filters: "description (pattern)" for each pair, or the
    // pattern alone where the description is the pattern.
    QStringList NameFilters() const;

  private:
    Desktop& desktop_;
    QWidget* owner_;
    Kind kind_;
    QString filter_;
    QString defaultExt_;
    bool picturePreview_;
    QString fileName_;
};

} // namespace tessaly
