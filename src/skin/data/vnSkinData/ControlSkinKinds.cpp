#include "OtherControlSkins.h"
#include "RecordKinds.h"

namespace {

using Root = TvnDataSkinControl;

const TvnRecordKind<Root> kControlSkinKinds[] = {
    { "button", MakeRecord<Root, TvnDataSkinButtonControl> },
    { "menubutton", MakeRecord<Root, TvnDataSkinMenuButtonControl> },
    { "checkradio", MakeRecord<Root, TvnDataSkinCheckRadioControl> },
    { "panel", MakeRecord<Root, TvnDataSkinPanelControl> },
    { "expanel", MakeRecord<Root, TvnDataSkinExPanelControl> },
    { "stdlabel", MakeRecord<Root, TvnDataSkinStdLabelControl> },
    { "label", MakeRecord<Root, TvnDataSkinLabelControl> },
    { "scrollbar", MakeRecord<Root, TvnDataSkinScrollBarControl> },
    { "tab", MakeRecord<Root, TvnDataSkinTabControl> },
    { "edit", MakeRecord<Root, TvnDataSkinEditControl> },
    { "memo", MakeRecord<Root, TvnDataSkinMemoControl> },
    { "grid", MakeRecord<Root, TvnDataSkinGridControl> },
    { "listbox", MakeRecord<Root, TvnDataSkinListBox> },
    { "checklistbox", MakeRecord<Root, TvnDataSkinCheckListBox> },
    { "combobox", MakeRecord<Root, TvnDataSkinComboBox> },
    { "spinedit", MakeRecord<Root, TvnDataSkinSpinEditControl> },
    { "updown", MakeRecord<Root, TvnDataSkinUpDownControl> },
    { "trackbar", MakeRecord<Root, TvnDataSkinTrackBarControl> },
    { "gauge", MakeRecord<Root, TvnDataSkinGaugeControl> },
    { "splitter", MakeRecord<Root, TvnDataSkinSplitterControl> },
    { "scrollbox", MakeRecord<Root, TvnDataSkinScrollBoxControl> },
    { "controlbar", MakeRecord<Root, TvnDataSkinControlBar> },
    { "mainmenubar", MakeRecord<Root, TvnDataSkinMainMenuBar> },
    { "treeview", MakeRecord<Root, TvnDataSkinTreeView> },
    { "listview", MakeRecord<Root, TvnDataSkinListView> },
    { "richedit", MakeRecord<Root, TvnDataSkinRichEdit> },
    { "bevel", MakeRecord<Root, TvnDataSkinBevel> },
    { "slider", MakeRecord<Root, TvnDataSkinSlider> },
};

} // namespace

std::unique_ptr<TvnDataSkinControl> CreateControlSkin(const QString& kind, const QString& idName)
{
    return CreateRecordOfKind<Root>(kControlSkinKinds, kind, idName);
}
