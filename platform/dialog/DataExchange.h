#pragma once
// Data exchange between a dialog's controls and its members (DDX). One direction per pass:
// saving copies the controls into the members, otherwise the members go into the controls.
// Nothing is validated; texts are taken whole, as typed.
#include <string>

namespace platform {

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate) : dialog_(dialog), saveAndValidate_(saveAndValidate) {}
  CDialog& Dialog() const { return dialog_; }
  bool SaveAndValidate() const { return saveAndValidate_; }

 private:
  CDialog& dialog_;
  bool saveAndValidate_;
};

// The whole text of an edit.
void DDX_Text(CDataExchange& dx, int id, std::string& value);

// A check box: 0 unchecked, 1 checked.
void DDX_Check(CDataExchange& dx, int id, int& value);

// A radio group named by its first control: the index of the checked button among the group's
// radio buttons (RadioGroupIds), -1 when none is checked. Putting an index checks that button
// and clears the others (all of them for an index outside the group).
void DDX_Radio(CDataExchange& dx, int firstId, int& value);

}  // namespace platform
