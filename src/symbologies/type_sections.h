// The fields each document type writes before the base section, and the Code 128 trailer
// after it. Loading corrects every enumerated or bounded value to its default.
#pragma once

namespace tsy {

class CArchive;
class CAztecDoc;
class CPDF417Doc;
class CQRDoc;
class CCode128Doc;
class CCode39Doc;

void StoreTypeSection(CArchive& ar, const CAztecDoc& doc);
void LoadTypeSection(CArchive& ar, CAztecDoc& doc);

void StoreTypeSection(CArchive& ar, const CPDF417Doc& doc);
void LoadTypeSection(CArchive& ar, CPDF417Doc& doc);

void StoreTypeSection(CArchive& ar, const CQRDoc& doc);
void LoadTypeSection(CArchive& ar, CQRDoc& doc);

void StoreTypeSection(CArchive& ar, const CCode128Doc& doc);
void LoadTypeSection(CArchive& ar, CCode128Doc& doc);
// The leading tilde: written by version 301; older files meant it by the trailing FNC3.
void StoreCode128Trailer(CArchive& ar, const CCode128Doc& doc);
void LoadCode128Trailer(CArchive& ar, CCode128Doc& doc);

void StoreTypeSection(CArchive& ar, const CCode39Doc& doc);
void LoadTypeSection(CArchive& ar, CCode39Doc& doc);

}  // namespace tsy
