// app/BarSet.cpp: making, closing and ending the program's bars.
#include "app/BarSet.h"

#include <algorithm>

#include "app/portable/FreeEdge.h"
#include "customize/CustomizeSheet.h"
#include "settings/BarKeys.h"

CBarSet::CBarSet(BarMaker make, CloseConfirm confirm, IMonitorService& monitors)
    : m_make(std::move(make)),
      m_confirm(std::move(confirm)),
      m_monitors(monitors) {}

CBarSet::~CBarSet() {
  // The further bars go first: the first is the program's main window.
  while (!m_bars.empty()) m_bars.pop_back();
}

bool CBarSet::Start() {
  if (!Add({})) return false;
  for (const std::string& key : StoredBarKeys()) Add(key);
  return true;
}

CBarWindow* CBarSet::Add(const std::string& key) {
  Member member{key, RegistryBarSettings(key), nullptr};
  member.window = m_make(*member.store);
  if (!member.window) return nullptr;
  member.window->SetFamily(this);
  // In the set while its window is made: its creation asks IsFirst.
  m_bars.push_back(std::move(member));
  CBarWindow& bar = *m_bars.back().window;
  if (!bar.CreateBar()) {
    m_bars.pop_back();
    return nullptr;
  }
  ::ShowWindow(bar.m_hWnd, SW_SHOW);
  ::UpdateWindow(bar.m_hWnd);
  return &bar;
}

int CBarSet::IndexOf(const CBarWindow& bar) const {
  for (size_t i = 0; i < m_bars.size(); ++i)
    if (m_bars[i].window.get() == &bar) return static_cast<int>(i);
  return -1;
}

bool CBarSet::IsFirst(const CBarWindow& bar) const { return IndexOf(bar) == 0; }

bool CBarSet::CanClose(const CBarWindow& bar) const {
  return IndexOf(bar) >= 0 && m_bars.size() > 1;
}

void CBarSet::NewBar(CBarWindow& from) {
  FreeClosed();
  const std::vector<MonitorInfo> monitors = m_monitors.Monitors();
  auto monitorIndex = [&](const CBarWindow& bar) -> size_t {
    for (size_t i = 0; i < monitors.size(); ++i)
      if (monitors[i].device == bar.Monitor().device) return i;
    return 0;
  };
  std::vector<qv::EdgePlace> taken;
  for (const Member& member : m_bars)
    taken.push_back(
        {monitorIndex(*member.window), member.window->Settings().m_nAlignment});
  const std::optional<qv::EdgePlace> place =
      qv::FreeEdge(monitors.size(),
                   {monitorIndex(from), from.Settings().m_nAlignment}, taken);
  CBarWindow* bar =
      place ? AddFurther(from.Settings(), place->edge,
                         monitors[place->monitor].device, std::nullopt)
            : nullptr;
  if (!bar) {
    ::MessageBeep(MB_ICONWARNING);
    return;
  }
  bar->Customize(CCustomizeSheet::kToolbarsPage);
}

void CBarSet::MoveToolbar(CBarWindow& from, int toolbar, qv::Edge edge,
                          const std::string& monitor) {
  FreeClosed();
  const std::string device = ChooseMonitor(m_monitors, monitor).device;
  const ToolbarRecord* record = from.Settings().Toolbar(toolbar);
  if (!record) return;
  std::optional<ToolbarRecord> moved = CopyToolbarRecord(*record);
  if (!moved) return;
  CBarWindow* target = nullptr;
  for (const Member& member : m_bars) {
    CBarWindow& bar = *member.window;
    if (bar.m_hWnd && bar.Settings().m_nAlignment == edge &&
        bar.Monitor().device == device)
      target = &bar;
  }
  if (target == &from) return;  // dropped where its bar is
  // Added there first: a toolbar that cannot be added stays where it was.
  if (target) {
    const CBarModel::Change added =
        target->Model().AddToolbar(std::move(*moved));
    if (!added) return;
    target->Redo(added);
  } else if (!AddFurther(from.Settings(), edge, device, std::move(moved))) {
    ::MessageBeep(MB_ICONWARNING);
    return;
  }
  from.Redo(from.Model().RemoveToolbar(toolbar));
}

CBarWindow* CBarSet::AddFurther(const CBarSettings& like, qv::Edge edge,
                                const std::string& monitor,
                                std::optional<ToolbarRecord> toolbar) {
  const std::string key = CreateBarKey();
  if (key.empty()) return nullptr;
  // `like`'s options, on the edge asked for; what there is one of per
  // program stays with the first bar.
  CBarSettings settings;
  if (!like.CopyTo(settings)) {
    DeleteBarKey(key);
    return nullptr;
  }
  settings.m_toolbars.clear();
  if (toolbar &&
      !settings.AppendToolbar(std::move(toolbar->folder), toolbar->sortOrder,
                              std::move(toolbar->info))) {
    DeleteBarKey(key);
    return nullptr;
  }
  settings.m_nCurrentTab = 0;
  settings.m_nHorzScrollPos = settings.m_nVertScrollPos = 0;
  settings.m_nAlignment = edge;
  settings.m_strMonitor = monitor;
  settings.m_bAutoHide = false;
  settings.m_bFirstTime = false;
  settings.m_bShowTitle = false;
  settings.m_nHotKey = 0;
  CBarWindow* bar = nullptr;
  if (!RegistryBarSettings(key)->Save(settings, qv::SettingsWrite::All()) ||
      !(bar = Add(key)))
    DeleteBarKey(key);
  return bar;
}

void CBarSet::CloseBar(CBarWindow& bar) {
  FreeClosed();
  if (!CanClose(bar) || (m_confirm && !m_confirm(bar))) return;
  // The bar may have gone while the question was up (Exit from another).
  const int now = IndexOf(bar);
  if (now < 0 || m_bars.size() < 2) return;
  // The program's own key always holds a bar: closing the first, it takes
  // over the last further bar's settings (keeping what there is one of per
  // program) and that bar's window and sub-key go in its place, so the
  // user sees the bar they closed go and the other stay.
  const bool first = now == 0;
  const size_t leaving = first ? m_bars.size() - 1 : static_cast<size_t>(now);
  CBarSettings takenOver;
  if (first) {
    if (!m_bars[leaving].window->Settings().CopyTo(takenOver)) return;
    takenOver.m_bFirstTime = bar.Settings().m_bFirstTime;
    takenOver.m_bShowTitle = bar.Settings().m_bShowTitle;
    takenOver.m_nHotKey = bar.Settings().m_nHotKey;
  }
  Member closed = std::move(m_bars[leaving]);
  m_bars.erase(m_bars.begin() + static_cast<std::ptrdiff_t>(leaving));
  // Its window goes first, freeing its edge (and an auto-hide place there)
  // for the first bar; its key only once the first bar has stored its
  // settings.
  closed.window->DestroyBar();
  if (first) bar.Redo(bar.Model().ApplyCustomize(takenOver));
  DeleteBarKey(closed.key);
  m_closed.push_back(std::move(closed));
}

void CBarSet::ExitAll() {
  // The first bar last: with the program's main window the process ends.
  for (auto it = m_bars.rbegin(); it != m_bars.rend(); ++it)
    if (it->window->m_hWnd) it->window->DestroyBar();
}

CBarWindow& CBarSet::BarToBringForward() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const std::string under = m_monitors.MonitorAt(cursor).device;
  for (const Member& member : m_bars)
    if (member.window->m_hWnd && member.window->Monitor().device == under)
      return *member.window;
  return *m_bars.front().window;
}
