#include "chart/core/bone_weight.h"

#include "data/core/refdb.h"

namespace mirevo {

Gbk BoneWeightCode(double total) {
  const Gbk text = RealText(total);
  if (text.size() == 1) return text + Gbk::Ascii("0");
  return text.Slice(1, 1) + text.Slice(3, 1);
}

Gbk BoneWeightLine(const Gbk& year, const Gbk& month, const Gbk& day, const Gbk& hour, int mode) {
  Connection dream(RefDb::Dream);
  const struct {
    const char* sql;
    const Gbk& key;
  } parts[] = {{"Select weight from chenggu1 where year =", year},
               {"Select weight from chenggu2 where month2 =", month},
               {"Select weight from chenggu3 where day2 =", day},
               {"Select weight from chenggu4 where time =", hour}};
  double total = 0;
  for (const auto& part : parts) total += dream.Run(Gbk::Ascii(part.sql) + SqlQuoted(part.key)).Real(0, 0);

  const Gbk code = BoneWeightCode(total);
  const ResultSet reading = dream.Run(Gbk::Ascii("Select content,content2 from chenggu where weight =") + SqlQuoted(code));
  if (reading.Empty()) return Gbk();
  switch (mode) {
    case kBoneWeightTotal: {
      Gbk line = GBK("你的骨重为：") + code.Slice(1, 1) + GBK("两");
      if (code.Slice(2, 1) != Gbk::Ascii("0")) line += code.Slice(2, 1) + GBK("钱");
      return line;
    }
    case kBoneWeightVerse: return GBK("骨重诗评：") + reading.Text(0, 0).Trimmed();
    case kBoneWeightCommentary: return GBK("骨重解评：") + reading.Text(0, 1).Trimmed();
  }
  return Gbk();
}

}  // namespace mirevo
