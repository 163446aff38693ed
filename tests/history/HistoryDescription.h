// A history map's contents as text, for tests and the fuzz target to compare.
#pragma once
#include <HistoryMap.h>

#include <string>

// Entries from the most recent: "{text@time,...}".
inline std::string Describe(const CEnteredHistory& history)
{
  std::string text = "{";
  for (int i = 0; i < history.GetCount(); ++i)
    text +=
        std::string(history.GetAt(i)->GetText()) + "@" + std::to_string(history.GetAt(i)->GetTime().GetTime()) + ",";
  return text + "}";
}

// Keys in the map's order, each with its entries.
inline std::string Describe(const CHistoryMap& map)
{
  std::string text;
  CString key;
  CObject* pValue;
  for (POSITION pos = map.GetStartPosition(); pos;)
  {
    map.GetNextAssoc(pos, key, pValue);
    text += std::string(key) + Describe(*map.Enumrate(key));
  }
  return text;
}
