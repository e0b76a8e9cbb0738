// The surnames the stroke plans are made for: the hundred commonest single
// surnames of today's population (commonest first) and the common compound
// surnames. Read by the tool that scores the stroke combinations and by the
// tests of the built table.
#pragma once

#include <array>

namespace mirevo::refdata {

inline constexpr std::array<const char*, 100> kCommonSurnames = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",  //
    "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "高", "罗",  //
    "郑", "梁", "谢", "宋", "唐", "许", "韩", "邓", "冯", "曹",  //
    "彭", "曾", "肖", "田", "董", "潘", "袁", "蔡", "蒋", "余",  //
    "于", "杜", "叶", "程", "魏", "苏", "吕", "丁", "任", "卢",  //
    "姚", "沈", "钟", "姜", "崔", "谭", "陆", "范", "汪", "廖",  //
    "石", "金", "韦", "贾", "夏", "付", "方", "邹", "熊", "白",  //
    "孟", "秦", "邱", "侯", "江", "尹", "薛", "闫", "段", "雷",  //
    "龙", "黎", "史", "陶", "贺", "毛", "郝", "顾", "龚", "邵",  //
    "万", "覃", "武", "钱", "戴", "严", "莫", "孔", "向", "常",  //
};

inline constexpr std::array<const char*, 20> kCompoundSurnames = {
    "欧阳", "司马", "上官", "诸葛", "东方", "皇甫", "尉迟", "公孙", "令狐", "慕容",  //
    "长孙", "宇文", "司徒", "夏侯", "轩辕", "端木", "独孤", "南宫", "西门", "呼延",  //
};

}  // namespace mirevo::refdata
