// The names under which markplug's panel and markplug meet in the panel service: every event type is
// PanelEventNamespace, "." and an event name; the panel extension is PanelExtensionId.
#ifndef MARKPLUG_PANELNAMES_H
#define MARKPLUG_PANELNAMES_H

inline constexpr char PanelEventNamespace[] = "com.varrowkt.talvex";
inline constexpr char PanelExtensionId[] = "com.varrowkt.talvex.panel";

#endif
