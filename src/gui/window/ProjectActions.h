#pragma once

#include <QObject>
#include <functional>
#include <memory>

class MediaLibrary;
class THaupt;

// The project buttons: save and open a project, resume a run, and export the
// menu project.
class ProjectActions : public QObject {
    Q_OBJECT

  public:
    explicit ProjectActions(THaupt& h);
    ~ProjectActions() override;

    void BuSpeichernClick();
    void BuOeffnenClick();
    void BuRecoverClick();
    void BuMProjektClick();

    // Settings and sources of a project file, then the image tab's rules.
    void OpenProject(const QString& file);
    // Replaces the table and the source list by the project's sources, checks
    // them against their files and reports what differs.
    void ProjectLoad(const QString& file);

  private:
    // A project file chosen in the open dialog; empty when cancelled or not a project.
    QString chooseProject(const QString& title, const QString& folder, const QString& filter);

    THaupt& h;
};
