#include "ui/DesktopApplications.h"

// GLib names a structure member "signals", which Qt's keyword macro would
// rewrite.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "base/Logger.h"

#include <QUrl>

#include <memory>

namespace {

const char kComponent[] = "ShellUtils";

struct GObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfoPtr = std::unique_ptr<GAppInfo, GObjectUnref>;

struct GListFree
{
    void operator()(GList *list) const { g_list_free_full(list, g_object_unref); }
};

struct GFreeString
{
    void operator()(gchar *text) const { g_free(text); }
};

QString toQString(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

DesktopApplications::Application describe(GAppInfo *info)
{
    DesktopApplications::Application application;
    application.id = toQString(g_app_info_get_id(info));
    application.name = toQString(g_app_info_get_display_name(info));
    GIcon *icon = g_app_info_get_icon(info);
    if (icon && G_IS_THEMED_ICON(icon)) {
        const gchar *const *names = g_themed_icon_get_names(G_THEMED_ICON(icon));
        if (names && names[0])
            application.iconName = toQString(names[0]);
    }
    return application;
}

} // namespace

QList<DesktopApplications::Application> DesktopApplications::forMimeType(const QString &mimeType)
{
    QList<Application> applications;
    const std::unique_ptr<gchar, GFreeString> contentType(
        g_content_type_from_mime_type(mimeType.toUtf8().constData()));
    if (!contentType)
        return applications;
    const AppInfoPtr preferred(g_app_info_get_default_for_type(contentType.get(), FALSE));
    if (preferred)
        applications.append(describe(preferred.get()));
    const std::unique_ptr<GList, GListFree> all(g_app_info_get_all_for_type(contentType.get()));
    for (GList *item = all.get(); item; item = item->next) {
        auto *info = static_cast<GAppInfo *>(item->data);
        if (preferred && g_app_info_equal(info, preferred.get()))
            continue;
        if (g_app_info_should_show(info))
            applications.append(describe(info));
    }
    return applications;
}

bool DesktopApplications::launch(const QString &id, const QString &path)
{
    const AppInfoPtr info(G_APP_INFO(g_desktop_app_info_new(id.toUtf8().constData())));
    if (!info) {
        Logger::instance()->log(WARNING, kComponent, QStringLiteral("No application %1").arg(id));
        return false;
    }
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    GList uris = {const_cast<char *>(uri.constData()), nullptr, nullptr};
    GError *error = nullptr;
    if (g_app_info_launch_uris(info.get(), &uris, nullptr, &error))
        return true;
    Logger::instance()->log(WARNING, kComponent,
                            QStringLiteral("Cannot open %1 with %2, error = %3")
                                .arg(path, id, toQString(error ? error->message : nullptr)));
    if (error)
        g_error_free(error);
    return false;
}
