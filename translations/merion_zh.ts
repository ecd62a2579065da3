<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>MERION</name>
    <message>
        <source>没有可平差的观测</source>
        <translation>没有可平差的观测</translation>
    </message>
    <message>
        <source>平差网没有已知点</source>
        <translation>平差网没有已知点</translation>
    </message>
    <message>
        <source>平差网没有固定方位：至少需要两个已知点</source>
        <translation>平差网没有固定方位：至少需要两个已知点</translation>
    </message>
    <message>
        <source>高程网没有已知高程</source>
        <translation>高程网没有已知高程</translation>
    </message>
    <message>
        <source>%1（点 %2 所在的部分）</source>
        <translation>%1（点 %2 所在的部分）</translation>
    </message>
    <message>
        <source>点 %1 无法由观测确定</source>
        <translation>点 %1 无法由观测确定</translation>
    </message>
    <message>
        <source>点 %1 的高程无法由观测确定</source>
        <translation>点 %1 的高程无法由观测确定</translation>
    </message>
    <message>
        <source>测站 %1 的定向无法由观测确定</source>
        <translation>测站 %1 的定向无法由观测确定</translation>
    </message>
    <message>
        <source>点 %1 无法计算近似坐标：需要已知测站的方向和距离</source>
        <translation>点 %1 无法计算近似坐标：需要已知测站的方向和距离</translation>
    </message>
    <message numerus="yes">
        <source>平差迭代 %n 次后仍未收敛</source>
        <translation>
            <numerusform>平差迭代 %n 次后仍未收敛</numerusform>
        </translation>
    </message>
    <message>
        <source>作业中没有测站 %1</source>
        <translation>作业中没有测站 %1</translation>
    </message>
    <message>
        <source>自由设站 %1 至少需要观测两个已知点</source>
        <translation>自由设站 %1 至少需要观测两个已知点</translation>
    </message>
    <message>
        <source>导线至少需要两个已知点和一个后续测站（A,B,S1,…）</source>
        <translation>导线至少需要两个已知点和一个后续测站（A,B,S1,…）</translation>
    </message>
    <message>
        <source>%1 不是已知点</source>
        <translation>%1 不是已知点</translation>
    </message>
    <message>
        <source>测站 %1 没有同时照准 %2 和 %3 的设站</source>
        <translation>测站 %1 没有同时照准 %2 和 %3 的设站</translation>
    </message>
    <message>
        <source>%1 与 %2 之间没有测距</source>
        <translation>%1 与 %2 之间没有测距</translation>
    </message>
    <message>
        <source>作业中没有测站</source>
        <translation>作业中没有测站</translation>
    </message>
    <message>
        <source>没有名为 %1 的导线等级</source>
        <translation>没有名为 %1 的导线等级</translation>
    </message>
    <message>
        <source>导线等级需要名称</source>
        <translation>导线等级需要名称</translation>
    </message>
    <message>
        <source>导线等级 %1 出现了两次</source>
        <translation>导线等级 %1 出现了两次</translation>
    </message>
    <message>
        <source>导线等级 %1：角度闭合差和相对闭合差的限值须大于 0，测站数和长度不能为负（0 表示不限）</source>
        <translation>导线等级 %1：角度闭合差和相对闭合差的限值须大于 0，测站数和长度不能为负（0 表示不限）</translation>
    </message>
    <message>
        <source>Wait Timeout</source>
        <translation>Wait Timeout</translation>
    </message>
    <message>
        <source>Connect Timeout!</source>
        <translation>Connect Timeout!</translation>
    </message>
    <message>
        <source>Can not Create a file dialog!</source>
        <translation>Can not Create a file dialog!</translation>
    </message>
    <message>
        <source>Download Interrupted! %1 bytes received.</source>
        <translation>下载中断！已收到 %1 字节。</translation>
    </message>
    <message>
        <source>The received data holds no record.
The stored data is unchanged.</source>
        <translation>收到的数据中没有记录。
已存的数据没有改变。</translation>
    </message>
    <message>
        <source>The received data is kept in
%1</source>
        <translation>收到的数据保存在
%1</translation>
    </message>
    <message>
        <source>The received data could not be kept in %1: %2</source>
        <translation>收到的数据无法保存到 %1：%2</translation>
    </message>
    <message>
        <source>点名</source>
        <translation>点名</translation>
    </message>
    <message>
        <source>北坐标(N)</source>
        <translation>北坐标(N)</translation>
    </message>
    <message>
        <source>东坐标(E)</source>
        <translation>东坐标(E)</translation>
    </message>
    <message>
        <source>高程(Z)</source>
        <translation>高程(Z)</translation>
    </message>
    <message>
        <source>编码</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>定线类型</source>
        <translation>定线类型</translation>
    </message>
    <message>
        <source>起始里程</source>
        <translation>起始里程</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>PT Name Can&apos;t Be Null!</source>
        <translation>PT Name Can&apos;t Be Null!</translation>
    </message>
    <message>
        <source>PT Name Already Exists,Please Rename!</source>
        <translation>PT Name Already Exists,Please Rename!</translation>
    </message>
    <message>
        <source>%1 Can&apos;t Be Null!</source>
        <translation>%1不能为空！</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not in the list: nothing was changed.</source>
        <translation>列表中没有 &lt;%1&gt;：没有做任何修改。</translation>
    </message>
    <message>
        <source>%1 Must Be A Number!</source>
        <translation>%1必须是数字！</translation>
    </message>
    <message>
        <source>Open file failed!</source>
        <translation>Open file failed!</translation>
    </message>
    <message>
        <source>Data Export Success!</source>
        <translation>Data Export Success!</translation>
    </message>
    <message>
        <source>Export Success!</source>
        <translation>Export Success!</translation>
    </message>
    <message>
        <source>Memory Full,Max Records is 2999!</source>
        <translation>Memory Full,Max Records is 2999!</translation>
    </message>
    <message>
        <source>Can not create a file path!</source>
        <translation>Can not create a file path!</translation>
    </message>
    <message>
        <source>Can not select a file path!</source>
        <translation>Can not select a file path!</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Success!</translation>
    </message>
    <message>
        <source>Export Data Success!</source>
        <translation>Export Data Success!</translation>
    </message>
    <message>
        <source>The file is not a text file (it holds binary data): nothing was imported, the old rows are kept.</source>
        <translation>该文件不是文本文件（含有二进制数据）：没有导入任何内容，原有的行保持不变。</translation>
    </message>
    <message>
        <source>No line of the file gives a record: nothing was imported, the old rows are kept.</source>
        <translation>文件中没有一行能构成记录：没有导入任何内容，原有的行保持不变。</translation>
    </message>
    <message>
        <source>Line %1 of the file is longer than %2 bytes: it is no file of records. Nothing was imported, the old rows are kept.</source>
        <translation>文件第 %1 行超过 %2 字节：这不是记录文件。没有导入任何内容，原有的行保持不变。</translation>
    </message>
    <message>
        <source>The file could not be written: the file that was there is kept.</source>
        <translation>文件无法写入：原有的文件保持不变。</translation>
    </message>
    <message>
        <source>The file could not be written (%1): the file that was there is kept.</source>
        <translation>文件无法写入（%1）：原有的文件保持不变。</translation>
    </message>
    <message>
        <source>%1 is the project database or one of its own files: it was neither read nor written. Choose another file.</source>
        <translation>%1 是项目数据库或其自身的文件：既没有读取也没有写入。请选择其他文件。</translation>
    </message>
    <message>
        <source>The file name %1 holds characters the file system&apos;s encoding cannot give: nothing was read or written. Rename the file or folder.</source>
        <translation>文件名 %1 含有文件系统的编码无法表示的字符：没有读取或写入任何内容。请重命名该文件或文件夹。</translation>
    </message>
    <message>
        <source>The folder name %1 must be a plain name, without / or \ and not &quot;.&quot; or &quot;..&quot;: nothing was written.</source>
        <translation>文件夹名 %1 必须是简单的名称，不含 / 或 \，也不能是 &quot;.&quot; 或 &quot;..&quot;：没有写入任何内容。</translation>
    </message>
    <message>
        <source>Row %1 cannot be written in this format: its field &quot;%2&quot; holds a line break or the separator. Nothing was written; a .csv file keeps such fields.</source>
        <translation>第 %1 行无法以此格式写入：其字段“%2”含有换行符或分隔符。没有写入任何内容；.csv 文件可以保存这样的字段。</translation>
    </message>
    <message>
        <source>项目尚未设置坐标系统：请先设置项目的坐标系统。</source>
        <translation>项目尚未设置坐标系统：请先设置项目的坐标系统。</translation>
    </message>
    <message>
        <source>未知的坐标系统：%1</source>
        <translation>未知的坐标系统：%1</translation>
    </message>
    <message>
        <source>坐标转换失败：%1</source>
        <translation>坐标转换失败：%1</translation>
    </message>
    <message>
        <source>点 %1 无法转换到目标坐标系统，点列表未改变</source>
        <translation>点 %1 无法转换到目标坐标系统，点列表未改变</translation>
    </message>
    <message numerus="yes">
        <source>%n 个点的坐标不是数字，未转换</source>
        <translation>
            <numerusform>%n 个点的坐标不是数字，未转换</numerusform>
        </translation>
    </message>
    <message>
        <source>公共点不足：这种参数转换至少需要 %1 个公共点</source>
        <translation>公共点不足：这种参数转换至少需要 %1 个公共点</translation>
    </message>
    <message>
        <source>比例因子和子午线收敛角只对投影坐标系统有意义</source>
        <translation>比例因子和子午线收敛角只对投影坐标系统有意义</translation>
    </message>
    <message>
        <source>公共点的分布无法确定全部参数（点重合或共线）</source>
        <translation>公共点的分布无法确定全部参数（点重合或共线）</translation>
    </message>
    <message>
        <source>公共点文件第 %1 行应为 点名,N1,E1,Z1,N2,E2,Z2</source>
        <translation>公共点文件第 %1 行应为 点名,N1,E1,Z1,N2,E2,Z2</translation>
    </message>
    <message>
        <source>COM%1 doesn&apos;t exist or be
opened by another program!</source>
        <translation>COM%1 doesn&apos;t exist or be
opened by another program!</translation>
    </message>
    <message>
        <source>%1 doesn&apos;t exist or be
opened by another program!</source>
        <translation>%1 不存在或
已被其他程序打开！</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port!</source>
        <translation>%1 是文件夹，不是串口！</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial port!</source>
        <translation>%1 是普通文件，不是串口！</translation>
    </message>
    <message>
        <source>%1 is a device but not a serial port!</source>
        <translation>%1 是设备，但不是串口！</translation>
    </message>
    <message>
        <source>The serial port is busy with another transfer!</source>
        <translation>串口正忙于另一次传输！</translation>
    </message>
    <message>
        <source>此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。</source>
        <translation>此系统的串口没有1.5位停止位：选择1.5时按2位停止位打开串口。</translation>
    </message>
    <message>
        <source>没有可显示的点</source>
        <translation>没有可显示的点</translation>
    </message>
    <message numerus="yes">
        <source>%n 个点的坐标不是数字，未画出</source>
        <translation>
            <numerusform>%n 个点的坐标不是数字，未画出</numerusform>
        </translation>
    </message>
    <message>
        <source>误差椭圆（1σ）与残差向量放大 %1 倍</source>
        <translation>误差椭圆（1σ）与残差向量放大 %1 倍</translation>
    </message>
    <message>
        <source>导线坐标闭合差放大 %1 倍</source>
        <translation>导线坐标闭合差放大 %1 倍</translation>
    </message>
    <message>
        <source>Unknown image type: use .png, .svg or .pdf</source>
        <translation>未知的图像类型：请用 .png、.svg 或 .pdf</translation>
    </message>
    <message>
        <source>Failed To Connect Database!<byte value="xd"/>
Error Message:%1</source>
        <translation>Failed To Connect Database!<byte value="xd"/>
Error Message:%1</translation>
    </message>
    <message>
        <source>The project database is read-only (%1): it can be shown and exported, but nothing can be changed.</source>
        <translation>项目数据库是只读的（%1）：可以显示和导出，但不能修改。</translation>
    </message>
    <message>
        <source>The latest changes of the project database lie in its journal file (-wal), which cannot be read here: %1. Nothing is shown rather than an older state.</source>
        <translation>项目数据库最新的修改在其日志文件（-wal）中，这里无法读取：%1。为免显示过时的内容，什么也不显示。</translation>
    </message>
    <message>
        <source>The project database %1 was deleted or replaced while in use: nothing more is written to it. Everything this program saw of the project, its last changes included, is saved as %2.</source>
        <translation>项目数据库 %1 在使用中被删除或替换：不再向它写入任何内容。本程序所见的项目全部内容（包括最后的修改）已保存为 %2。</translation>
    </message>
    <message>
        <source>The project database %1 was deleted or replaced while in use: nothing more is written to it, and its contents could not be saved beside it: %2</source>
        <translation>项目数据库 %1 在使用中被删除或替换：不再向它写入任何内容，其内容也无法保存在它旁边：%2</translation>
    </message>
    <message>
        <source>The project database %1 lacks the column %2: it was not made by this program or has been changed. It was not opened.</source>
        <translation>项目数据库 %1 缺少列 %2：它不是本程序建立的，或已被改动。没有打开它。</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>其文件夹不可写</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>该文件不可写</translation>
    </message>
    <message>
        <source>it lies on a read-only medium</source>
        <translation>它位于只读介质上</translation>
    </message>
    <message>
        <source>its disk is full</source>
        <translation>其磁盘已满</translation>
    </message>
    <message>
        <source>The disk holding the project database is full: nothing was changed. Free some space and try again.</source>
        <translation>项目数据库所在的磁盘已满：没有做任何修改。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>The list %1 could not be copied to %2 before being emptied (%3): nothing was changed.</source>
        <translation>列表 %1 在清空前无法复制到 %2（%3）：没有做任何修改。</translation>
    </message>
    <message>
        <source>The database driver carries a copy of SQLite of its own: the project is not touched, since two copies of the engine would undo each other&apos;s locks. Install the driver built against the program&apos;s SQLite library.</source>
        <translation>数据库驱动自带一份 SQLite：两份数据库引擎会互相破坏对方的锁，因此没有打开项目。请安装以本程序的 SQLite 库构建的驱动。</translation>
    </message>
    <message>
        <source>Upload Complete!</source>
        <translation>Upload Complete!</translation>
    </message>
    <message>
        <source>Upload Timeout!</source>
        <translation>Upload Timeout!</translation>
    </message>
    <message>
        <source>Upload Interrupted! %1 of %2 lines sent.</source>
        <translation>上传中断！已发送 %1 行，共 %2 行。</translation>
    </message>
    <message>
        <source>The point in row %1 has no name.
Nothing was uploaded.</source>
        <translation>第 %1 行的点没有点名。
没有上传任何数据。</translation>
    </message>
    <message>
        <source>Point %1 has no %2.
Nothing was uploaded.</source>
        <translation>点 %1 没有%2。
没有上传任何数据。</translation>
    </message>
    <message>
        <source>The alignment element in row %1 has no %2.
Nothing was uploaded.</source>
        <translation>第 %1 行的线形要素没有%2。
没有上传任何数据。</translation>
    </message>
    <message>
        <source>列表属性</source>
        <translation>列表属性</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>类型标记</source>
        <translation>类型标记</translation>
    </message>
    <message>
        <source>里程</source>
        <translation>里程</translation>
    </message>
    <message>
        <source>桩间距</source>
        <translation>桩间距</translation>
    </message>
    <message>
        <source>桩点坐标X</source>
        <translation>桩点坐标X</translation>
    </message>
    <message>
        <source>桩点坐标Y</source>
        <translation>桩点坐标Y</translation>
    </message>
    <message>
        <source>桩点坐标Z</source>
        <translation>桩点坐标Z</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>高差</source>
        <translation>高差</translation>
    </message>
    <message>
        <source>N坐标</source>
        <translation>N坐标</translation>
    </message>
    <message>
        <source>E坐标</source>
        <translation>E坐标</translation>
    </message>
    <message>
        <source>镜高</source>
        <translation>镜高</translation>
    </message>
    <message>
        <source>方位角</source>
        <translation>方位角</translation>
    </message>
    <message>
        <source>平距差</source>
        <translation>平距差</translation>
    </message>
    <message>
        <source>仪器高</source>
        <translation>仪器高</translation>
    </message>
    <message>
        <source>水平角</source>
        <translation>水平角</translation>
    </message>
    <message>
        <source>垂直角</source>
        <translation>垂直角</translation>
    </message>
    <message>
        <source>斜距</source>
        <translation>斜距</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>测站</source>
        <translation>测站</translation>
    </message>
    <message>
        <source>dN(mm)</source>
        <translation>dN(mm)</translation>
    </message>
    <message>
        <source>dE(mm)</source>
        <translation>dE(mm)</translation>
    </message>
    <message>
        <source>dZ(mm)</source>
        <translation>dZ(mm)</translation>
    </message>
    <message>
        <source>σN(mm)</source>
        <translation>σN(mm)</translation>
    </message>
    <message>
        <source>σE(mm)</source>
        <translation>σE(mm)</translation>
    </message>
    <message>
        <source>椭圆长半轴A(mm)</source>
        <translation>椭圆长半轴A(mm)</translation>
    </message>
    <message>
        <source>椭圆短半轴B(mm)</source>
        <translation>椭圆短半轴B(mm)</translation>
    </message>
    <message>
        <source>长轴方位角(°)</source>
        <translation>长轴方位角(°)</translation>
    </message>
    <message>
        <source>σZ(mm)</source>
        <translation>σZ(mm)</translation>
    </message>
    <message>
        <source>vN(mm)</source>
        <translation>vN(mm)</translation>
    </message>
    <message>
        <source>vE(mm)</source>
        <translation>vE(mm)</translation>
    </message>
    <message>
        <source>全站仪后处理软件</source>
        <translation>全站仪后处理软件</translation>
    </message>
    <message>
        <source>Merion Application Already Running!</source>
        <translation>Merion Application Already Running!</translation>
    </message>
    <message>
        <source>如需帮助，请按F1键</source>
        <translation>如需帮助，请按F1键</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>列表显示</source>
        <translation>列表显示</translation>
    </message>
    <message>
        <source>找不到帮助文档 Help.pdf。
它应在程序所在的文件夹中，或在安装目录的 share/merion 中。</source>
        <translation>找不到帮助文档 Help.pdf。
它应在程序所在的文件夹中，或在安装目录的 share/merion 中。</translation>
    </message>
    <message>
        <source>无法打开帮助文档：
%1
请安装 PDF 阅读器后再试。</source>
        <translation>无法打开帮助文档：
%1
请安装 PDF 阅读器后再试。</translation>
    </message>
    <message>
        <source>关于 MERION</source>
        <translation>关于 MERION</translation>
    </message>
    <message>
        <source>版权所有 © 2026 MERION 开发者。保留所有权利。</source>
        <translation>版权所有 © 2026 MERION 开发者。保留所有权利。</translation>
    </message>
    <message>
        <source>运行于 Qt %1 和 %2</source>
        <translation>运行于 Qt %1 和 %2</translation>
    </message>
    <message>
        <source>主工具栏</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>项目数据库文件</source>
        <translation>项目数据库文件</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>界面语言：zh 为中文，en 为英文（默认随系统）</source>
        <translation>界面语言：zh 为中文，en 为英文（默认随系统）</translation>
    </message>
    <message>
        <source>未知的界面语言“%1”：请用 zh 或 en。</source>
        <translation>未知的界面语言“%1”：请用 zh 或 en。</translation>
    </message>
    <message>
        <source>重算坐标</source>
        <translation>重算坐标</translation>
    </message>
    <message>
        <source>导线计算</source>
        <translation>导线计算</translation>
    </message>
    <message>
        <source>已知点</source>
        <translation>已知点</translation>
    </message>
    <message>
        <source>作业中的测站和后视坐标</source>
        <translation>作业中的测站和后视坐标</translation>
    </message>
    <message>
        <source>坐标列表</source>
        <translation>坐标列表</translation>
    </message>
    <message>
        <source>坐标文件（点名,N,E,Z,代码）</source>
        <translation>坐标文件（点名,N,E,Z,代码）</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>坐标文件 (*.txt *.csv *.dat);;所有文件 (*.*)</source>
        <translation>坐标文件 (*.txt *.csv *.dat);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>球气差改正，折光系数 k</source>
        <translation>球气差改正，折光系数 k</translation>
    </message>
    <message>
        <source>投影比例因子</source>
        <translation>投影比例因子</translation>
    </message>
    <message>
        <source>较差限值(mm)</source>
        <translation>较差限值(mm)</translation>
    </message>
    <message>
        <source>可选点（测站与已知点）</source>
        <translation>可选点（测站与已知点）</translation>
    </message>
    <message>
        <source>导线路线：A, B, S1 … Sn, C, D（闭合：A, B, … , B, A）</source>
        <translation>导线路线：A, B, S1 … Sn, C, D（闭合：A, B, … , B, A）</translation>
    </message>
    <message>
        <source>添加 →</source>
        <translation>添加 →</translation>
    </message>
    <message>
        <source>← 移除</source>
        <translation>← 移除</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>（已知）</source>
        <translation>（已知）</translation>
    </message>
    <message>
        <source>等级</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>满足的最高等级</source>
        <translation>满足的最高等级</translation>
    </message>
    <message>
        <source>保存报告...</source>
        <translation>保存报告...</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf);;文本文件 (*.txt)</source>
        <translation>PDF 文件 (*.pdf);;文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>用重算坐标替换坐标列表中的全部点吗？</source>
        <translation>用重算坐标替换坐标列表中的全部点吗？</translation>
    </message>
    <message>
        <source>导线等级</source>
        <translation>导线等级</translation>
    </message>
    <message>
        <source>等级名称</source>
        <translation>等级名称</translation>
    </message>
    <message>
        <source>最多测站数（0 不限）</source>
        <translation>最多测站数（0 不限）</translation>
    </message>
    <message>
        <source>角度闭合差限差（″/√n）</source>
        <translation>角度闭合差限差（″/√n）</translation>
    </message>
    <message>
        <source>相对闭合差限差 1/N 的 N</source>
        <translation>相对闭合差限差 1/N 的 N</translation>
    </message>
    <message>
        <source>导线全长（km，0 不限）</source>
        <translation>导线全长（km，0 不限）</translation>
    </message>
    <message>
        <source>添加等级</source>
        <translation>添加等级</translation>
    </message>
    <message>
        <source>删除等级</source>
        <translation>删除等级</translation>
    </message>
    <message>
        <source>仪器高与目标高（改正后的值用于计算）</source>
        <translation>仪器高与目标高（改正后的值用于计算）</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>记录值(m)</source>
        <translation>记录值(m)</translation>
    </message>
    <message>
        <source>改正后(m)</source>
        <translation>改正后(m)</translation>
    </message>
    <message>
        <source>目标高</source>
        <translation>目标高</translation>
    </message>
    <message>
        <source>平差计算</source>
        <translation>平差计算</translation>
    </message>
    <message>
        <source>自由设站</source>
        <translation>自由设站</translation>
    </message>
    <message>
        <source>方向中误差(″)</source>
        <translation>方向中误差(″)</translation>
    </message>
    <message>
        <source>测距中误差 a(mm) + b(ppm)</source>
        <translation>测距中误差 a(mm) + b(ppm)</translation>
    </message>
    <message>
        <source>同时平差高程（三角高程）</source>
        <translation>同时平差高程（三角高程）</translation>
    </message>
    <message>
        <source>用平差坐标替换坐标列表中的全部点吗？</source>
        <translation>用平差坐标替换坐标列表中的全部点吗？</translation>
    </message>
    <message>
        <source>最大标准化残差 w = %1（%2）超过临界值 %3，该观测可能含粗差。
剔除该观测后重新平差吗？</source>
        <translation>最大标准化残差 w = %1（%2）超过临界值 %3，该观测可能含粗差。
剔除该观测后重新平差吗？</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>下载数据</translation>
    </message>
    <message>
        <source>仪器类型:</source>
        <translation>仪器类型:</translation>
    </message>
    <message>
        <source>下载类型:</source>
        <translation>下载类型:</translation>
    </message>
    <message>
        <source>解析下载</source>
        <translation>解析下载</translation>
    </message>
    <message>
        <source>下载原始数据</source>
        <translation>下载原始数据</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>注：数据下载时，请勿做其它操作!</source>
        <translation>注：数据下载时，请勿做其它操作!</translation>
    </message>
    <message>
        <source>Meas-Data</source>
        <translation>Meas-Data</translation>
    </message>
    <message>
        <source>Coor-Data</source>
        <translation>Coor-Data</translation>
    </message>
    <message>
        <source>Road Stake Out</source>
        <translation>Road Stake Out</translation>
    </message>
    <message>
        <source>X-Sect Measurement</source>
        <translation>X-Sect Measurement</translation>
    </message>
    <message>
        <source>Plane Alignment Element</source>
        <translation>Plane Alignment Element</translation>
    </message>
    <message>
        <source>Delete All Records?</source>
        <translation>Delete All Records?</translation>
    </message>
    <message>
        <source>Delete &lt;%1&gt; ?</source>
        <translation>Delete &lt;%1&gt; ?</translation>
    </message>
    <message>
        <source>Add Coor</source>
        <translation>Add Coor</translation>
    </message>
    <message>
        <source>Coor Edit</source>
        <translation>Coor Edit</translation>
    </message>
    <message>
        <source>Add Code</source>
        <translation>Add Code</translation>
    </message>
    <message>
        <source>Code Edit</source>
        <translation>Code Edit</translation>
    </message>
    <message>
        <source>道路测量-平面定线</source>
        <translation>道路测量-平面定线</translation>
    </message>
    <message>
        <source>(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)</source>
        <translation>(定线类型 : 0-直线,1-圆曲线,2-缓和曲线,3-终点)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</source>
        <translation>All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</translation>
    </message>
    <message>
        <source>数据类型(&amp;D):</source>
        <translation>数据类型(&amp;D):</translation>
    </message>
    <message>
        <source>数据格式(&amp;F):</source>
        <translation>数据格式(&amp;F):</translation>
    </message>
    <message>
        <source>(1) 坐标数据</source>
        <translation>(1) 坐标数据</translation>
    </message>
    <message>
        <source>(2) 代码数据</source>
        <translation>(2) 代码数据</translation>
    </message>
    <message>
        <source>(1) ID,Code </source>
        <translation>(1) ID,Code </translation>
    </message>
    <message>
        <source>(1) Meas_Data</source>
        <translation>(1) Meas_Data</translation>
    </message>
    <message>
        <source>(2) Coor_Data</source>
        <translation>(2) Coor_Data</translation>
    </message>
    <message>
        <source>(3) Road Stake Out</source>
        <translation>(3) Road Stake Out</translation>
    </message>
    <message>
        <source>(4) X-Sect Measurement</source>
        <translation>(4) X-Sect Measurement</translation>
    </message>
    <message>
        <source>(5) Plain Alignment Element</source>
        <translation>(5) Plain Alignment Element</translation>
    </message>
    <message>
        <source>Excel File(*.csv)</source>
        <translation>Excel File(*.csv)</translation>
    </message>
    <message>
        <source>Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</source>
        <translation>Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)</translation>
    </message>
    <message>
        <source>DXF Files(*.dxf)</source>
        <translation>DXF 文件(*.dxf)</translation>
    </message>
    <message>
        <source>Text File(*.txt);;DAT File(*.dat)</source>
        <translation>Text File(*.txt);;DAT File(*.dat)</translation>
    </message>
    <message>
        <source>分隔符号(&amp;S):</source>
        <translation>分隔符号(&amp;S):</translation>
    </message>
    <message>
        <source>(1) &apos;,&apos;</source>
        <translation>(1) &apos;,&apos;</translation>
    </message>
    <message>
        <source>(2) &apos;Space&apos;</source>
        <translation>(2) &apos;Space&apos;</translation>
    </message>
    <message>
        <source>(3) &apos;Tab&apos;</source>
        <translation>(3) &apos;Tab&apos;</translation>
    </message>
    <message>
        <source>(0) Current List Data</source>
        <translation>(0) Current List Data</translation>
    </message>
    <message>
        <source>CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)</source>
        <translation>CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)</translation>
    </message>
    <message>
        <source>角度类型:</source>
        <translation>角度类型:</translation>
    </message>
    <message>
        <source>SD卡文件保存路径</source>
        <translation>SD卡文件保存路径</translation>
    </message>
    <message>
        <source>文件夹路径:</source>
        <translation>文件夹路径:</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>文件夹名:</source>
        <translation>文件夹名:</translation>
    </message>
    <message>
        <source>文件名:</source>
        <translation>文件名:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Folder Path</translation>
    </message>
    <message>
        <source>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</source>
        <translation>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
退出将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</translation>
    </message>
    <message>
        <source>编码列表</source>
        <translation>编码列表</translation>
    </message>
    <message>
        <source>平面线形列表</source>
        <translation>平面线形列表</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>仍然退出</source>
        <translation>仍然退出</translation>
    </message>
    <message>
        <source>坐标系统</source>
        <translation>坐标系统</translation>
    </message>
    <message>
        <source>CGCS2000 高斯-克吕格投影带</source>
        <translation>CGCS2000 高斯-克吕格投影带</translation>
    </message>
    <message>
        <source>EPSG 代码</source>
        <translation>EPSG 代码</translation>
    </message>
    <message>
        <source>地方坐标系（任意中央子午线和投影面）</source>
        <translation>地方坐标系（任意中央子午线和投影面）</translation>
    </message>
    <message>
        <source>大地坐标（纬度、经度）</source>
        <translation>大地坐标（纬度、经度）</translation>
    </message>
    <message>
        <source>中央子午线经度(°)</source>
        <translation>中央子午线经度(°)</translation>
    </message>
    <message>
        <source>投影面高程(m)</source>
        <translation>投影面高程(m)</translation>
    </message>
    <message>
        <source>东坐标加常数(m)</source>
        <translation>东坐标加常数(m)</translation>
    </message>
    <message>
        <source>北坐标加常数(m)</source>
        <translation>北坐标加常数(m)</translation>
    </message>
    <message>
        <source>中央子午线比例因子</source>
        <translation>中央子午线比例因子</translation>
    </message>
    <message>
        <source>当前坐标系统：%1</source>
        <translation>当前坐标系统：%1</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>坐标系统：%1</source>
        <translation>坐标系统：%1</translation>
    </message>
    <message>
        <source>纬度 %1°   经度 %2°</source>
        <translation>纬度 %1°   经度 %2°</translation>
    </message>
    <message>
        <source>坐标转换</source>
        <translation>坐标转换</translation>
    </message>
    <message>
        <source>转换到</source>
        <translation>转换到</translation>
    </message>
    <message>
        <source>替换坐标列表（并改为新的坐标系统）</source>
        <translation>替换坐标列表（并改为新的坐标系统）</translation>
    </message>
    <message>
        <source>写入 CSV 文件，坐标列表不变</source>
        <translation>写入 CSV 文件，坐标列表不变</translation>
    </message>
    <message>
        <source>附加每点的比例因子和子午线收敛角</source>
        <translation>附加每点的比例因子和子午线收敛角</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>用转换后的坐标替换坐标列表中的全部点，并把项目的坐标系统改为 %1 吗？原来的列表先保存到 discarded 文件夹。</source>
        <translation>用转换后的坐标替换坐标列表中的全部点，并把项目的坐标系统改为 %1 吗？原来的列表先保存到 discarded 文件夹。</translation>
    </message>
    <message>
        <source>正在处理坐标列表，请稍候...</source>
        <translation>正在处理坐标列表，请稍候...</translation>
    </message>
    <message>
        <source>转换参数</source>
        <translation>转换参数</translation>
    </message>
    <message>
        <source>四参数（平面相似变换）</source>
        <translation>四参数（平面相似变换）</translation>
    </message>
    <message>
        <source>七参数（布尔莎-沃尔夫）</source>
        <translation>七参数（布尔莎-沃尔夫）</translation>
    </message>
    <message>
        <source>公共点文件（点名,N1,E1,Z1,N2,E2,Z2）</source>
        <translation>公共点文件（点名,N1,E1,Z1,N2,E2,Z2）</translation>
    </message>
    <message>
        <source>公共点文件 (*.txt *.csv *.dat);;所有文件 (*.*)</source>
        <translation>公共点文件 (*.txt *.csv *.dat);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>计算参数</source>
        <translation>计算参数</translation>
    </message>
    <message>
        <source>应用到坐标列表</source>
        <translation>应用到坐标列表</translation>
    </message>
    <message>
        <source>去掉勾选的点不参与计算，再按“计算参数”；参数也可直接输入。</source>
        <translation>去掉勾选的点不参与计算，再按“计算参数”；参数也可直接输入。</translation>
    </message>
    <message>
        <source>参与计算</source>
        <translation>参与计算</translation>
    </message>
    <message>
        <source>北平移 dN (m)</source>
        <translation>北平移 dN (m)</translation>
    </message>
    <message>
        <source>东平移 dE (m)</source>
        <translation>东平移 dE (m)</translation>
    </message>
    <message>
        <source>旋转角 (″)</source>
        <translation>旋转角 (″)</translation>
    </message>
    <message>
        <source>尺度 (ppm)</source>
        <translation>尺度 (ppm)</translation>
    </message>
    <message>
        <source>平移 tx (m)</source>
        <translation>平移 tx (m)</translation>
    </message>
    <message>
        <source>平移 ty (m)</source>
        <translation>平移 ty (m)</translation>
    </message>
    <message>
        <source>平移 tz (m)</source>
        <translation>平移 tz (m)</translation>
    </message>
    <message>
        <source>旋转 rx (″)</source>
        <translation>旋转 rx (″)</translation>
    </message>
    <message>
        <source>旋转 ry (″)</source>
        <translation>旋转 ry (″)</translation>
    </message>
    <message>
        <source>旋转 rz (″)</source>
        <translation>旋转 rz (″)</translation>
    </message>
    <message>
        <source>残差中误差 RMS：%1 mm</source>
        <translation>残差中误差 RMS：%1 mm</translation>
    </message>
    <message>
        <source>用这些参数转换坐标列表中的全部点吗？原来的列表先保存到 discarded 文件夹。</source>
        <translation>用这些参数转换坐标列表中的全部点吗？原来的列表先保存到 discarded 文件夹。</translation>
    </message>
    <message>
        <source>KML 文件 (*.kml)</source>
        <translation>KML 文件 (*.kml)</translation>
    </message>
    <message>
        <source>GeoJSON 文件 (*.geojson)</source>
        <translation>GeoJSON 文件 (*.geojson)</translation>
    </message>
    <message>
        <source>通讯配置</source>
        <translation>通讯配置</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>串口号:</source>
        <translation>串口号:</translation>
    </message>
    <message>
        <source>波特率:</source>
        <translation>波特率:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>7位</source>
        <translation>7位</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8位</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>无校验</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>已接收 %1 字节，%2 行</source>
        <translation>已接收 %1 字节，%2 行</translation>
    </message>
    <message>
        <source>已发送 %1 / %2 行</source>
        <translation>已发送 %1 / %2 行</translation>
    </message>
    <message>
        <source>已发送 %1 / %2 行，约剩 %3 秒</source>
        <translation>已发送 %1 / %2 行，约剩 %3 秒</translation>
    </message>
    <message>
        <source>平面图</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>全图</translation>
    </message>
    <message>
        <source>显示全部点 (Home)</source>
        <translation>显示全部点 (Home)</translation>
    </message>
    <message>
        <source>显示点名（放大后显示更多）</source>
        <translation>显示点名（放大后显示更多）</translation>
    </message>
    <message>
        <source>点名后显示代码</source>
        <translation>点名后显示代码</translation>
    </message>
    <message>
        <source>导出平面图...</source>
        <translation>导出平面图...</translation>
    </message>
    <message>
        <source>导出DXF...</source>
        <translation>导出DXF...</translation>
    </message>
    <message>
        <source>PNG 图像(*.png);;SVG 图形(*.svg);;PDF 文档(*.pdf)</source>
        <translation>PNG 图像(*.png);;SVG 图形(*.svg);;PDF 文档(*.pdf)</translation>
    </message>
    <message>
        <source>DXF 文件(*.dxf)</source>
        <translation>DXF 文件(*.dxf)</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>显示(&amp;S)</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>主工具栏(&amp;T)</source>
        <translation>主工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>左侧工具栏(&amp;L)</source>
        <translation>左侧工具栏(&amp;L)</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>用户指南</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>打开用户指南</source>
        <translation>打开用户指南</translation>
    </message>
    <message>
        <source>显示程序的版本、许可和所用的库</source>
        <translation>显示程序的版本、许可和所用的库</translation>
    </message>
    <message>
        <source>读文件</source>
        <translation>读文件</translation>
    </message>
    <message>
        <source>列表导出</source>
        <translation>列表导出</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>文件管理</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>数据编辑</source>
        <translation>数据编辑</translation>
    </message>
    <message>
        <source>串口通讯</source>
        <translation>串口通讯</translation>
    </message>
    <message>
        <source>输入文件</source>
        <translation>输入文件</translation>
    </message>
    <message>
        <source>输出文件</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>输出SD卡文件</source>
        <translation>输出SD卡文件</translation>
    </message>
    <message>
        <source>常规坐标</source>
        <translation>常规坐标</translation>
    </message>
    <message>
        <source>常规编码</source>
        <translation>常规编码</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>通讯设置</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>数据编辑(&amp;E)</source>
        <translation>数据编辑(&amp;E)</translation>
    </message>
    <message>
        <source>串口通讯(&amp;C)</source>
        <translation>串口通讯(&amp;C)</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>列表编辑</source>
        <translation>列表编辑</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>删除记录</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>删除所有</source>
        <translation>删除所有</translation>
    </message>
    <message>
        <source>数据导出</source>
        <translation>数据导出</translation>
    </message>
    <message>
        <source>740测量数据导出</source>
        <translation>740测量数据导出</translation>
    </message>
    <message>
        <source>角度导出</source>
        <translation>角度导出</translation>
    </message>
    <message>
        <source>平距导出</source>
        <translation>平距导出</translation>
    </message>
    <message>
        <source>斜距导出</source>
        <translation>斜距导出</translation>
    </message>
    <message>
        <source>导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</source>
        <translation>导出 PT,E,N,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</translation>
    </message>
    <message>
        <source>导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</source>
        <translation>导出 PT,N,E,Z,IHT,THT,HA,VA,SD,HD,VD,CODE</translation>
    </message>
    <message>
        <source>520测量数据导出</source>
        <translation>520测量数据导出</translation>
    </message>
    <message>
        <source>导出文件</source>
        <translation>导出文件</translation>
    </message>
    <message>
        <source>坐标编辑</source>
        <translation>坐标编辑</translation>
    </message>
    <message>
        <source>编码编辑</source>
        <translation>编码编辑</translation>
    </message>
    <message>
        <source>导入文件
导入文件</source>
        <translation>导入文件
导入文件</translation>
    </message>
    <message>
        <source>数据转换为SD卡格式保存</source>
        <translation>数据转换为SD卡格式保存</translation>
    </message>
    <message>
        <source>平面定线</source>
        <translation>平面定线</translation>
    </message>
    <message>
        <source>串口数据下载</source>
        <translation>串口数据下载</translation>
    </message>
    <message>
        <source>串口数据上传</source>
        <translation>串口数据上传</translation>
    </message>
    <message>
        <source>
左侧工具栏</source>
        <translation>
左侧工具栏</translation>
    </message>
    <message>
        <source>
工具栏</source>
        <translation>
工具栏</translation>
    </message>
    <message>
        <source>
状态栏</source>
        <translation>
状态栏</translation>
    </message>
    <message>
        <source>选择您要读取的文件</source>
        <translation>选择您要读取的文件</translation>
    </message>
    <message>
        <source>输出文件到磁盘</source>
        <translation>输出文件到磁盘</translation>
    </message>
    <message>
        <source>保存为SD卡文件</source>
        <translation>保存为SD卡文件</translation>
    </message>
    <message>
        <source>用户自定义坐标输入</source>
        <translation>用户自定义坐标输入</translation>
    </message>
    <message>
        <source>用户自定义编码输入</source>
        <translation>用户自定义编码输入</translation>
    </message>
    <message>
        <source>计算(&amp;M)</source>
        <translation>计算(&amp;M)</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>盘左盘右</source>
        <translation>盘左盘右</translation>
    </message>
    <message>
        <source>重算结果</source>
        <translation>重算结果</translation>
    </message>
    <message>
        <source>重算结果复制到坐标列表</source>
        <translation>重算结果复制到坐标列表</translation>
    </message>
    <message>
        <source>由设站重算作业中的每个观测点</source>
        <translation>由设站重算作业中的每个观测点</translation>
    </message>
    <message>
        <source>配对盘左盘右观测，计算 2C 和指标差</source>
        <translation>配对盘左盘右观测，计算 2C 和指标差</translation>
    </message>
    <message>
        <source>计算并平差导线</source>
        <translation>计算并平差导线</translation>
    </message>
    <message>
        <source>显示重算坐标</source>
        <translation>显示重算坐标</translation>
    </message>
    <message>
        <source>用重算坐标替换坐标列表，以便导出、存SD卡和上传</source>
        <translation>用重算坐标替换坐标列表，以便导出、存SD卡和上传</translation>
    </message>
    <message>
        <source>改正测站、后视后重算坐标</source>
        <translation>改正测站、后视后重算坐标</translation>
    </message>
    <message>
        <source>检查盘左盘右观测</source>
        <translation>检查盘左盘右观测</translation>
    </message>
    <message>
        <source>附合、闭合和支导线</source>
        <translation>附合、闭合和支导线</translation>
    </message>
    <message>
        <source>列表和平面图显示重算坐标</source>
        <translation>列表和平面图显示重算坐标</translation>
    </message>
    <message>
        <source>查看和修改导线等级的限差</source>
        <translation>查看和修改导线等级的限差</translation>
    </message>
    <message>
        <source>平差结果</source>
        <translation>平差结果</translation>
    </message>
    <message>
        <source>平差结果复制到坐标列表</source>
        <translation>平差结果复制到坐标列表</translation>
    </message>
    <message>
        <source>整个作业的最小二乘平差：坐标、中误差、误差椭圆和粗差探测</source>
        <translation>整个作业的最小二乘平差：坐标、中误差、误差椭圆和粗差探测</translation>
    </message>
    <message>
        <source>由已知点的方向和距离求测站坐标</source>
        <translation>由已知点的方向和距离求测站坐标</translation>
    </message>
    <message>
        <source>显示平差坐标</source>
        <translation>显示平差坐标</translation>
    </message>
    <message>
        <source>用平差坐标替换坐标列表，以便导出、存SD卡和上传</source>
        <translation>用平差坐标替换坐标列表，以便导出、存SD卡和上传</translation>
    </message>
    <message>
        <source>方向、距离和高差的严密平差</source>
        <translation>方向、距离和高差的严密平差</translation>
    </message>
    <message>
        <source>后方交会求测站坐标</source>
        <translation>后方交会求测站坐标</translation>
    </message>
    <message>
        <source>列表和平面图显示平差坐标与误差椭圆</source>
        <translation>列表和平面图显示平差坐标与误差椭圆</translation>
    </message>
    <message>
        <source>设置项目坐标所在的坐标系统：投影带、EPSG 代码或地方坐标系</source>
        <translation>设置项目坐标所在的坐标系统：投影带、EPSG 代码或地方坐标系</translation>
    </message>
    <message>
        <source>把坐标列表转换到另一个坐标系统或经纬度</source>
        <translation>把坐标列表转换到另一个坐标系统或经纬度</translation>
    </message>
    <message>
        <source>由公共点求四参数或七参数，并用于坐标列表</source>
        <translation>由公共点求四参数或七参数，并用于坐标列表</translation>
    </message>
    <message>
        <source>投影带、EPSG 代码、地方坐标系</source>
        <translation>投影带、EPSG 代码、地方坐标系</translation>
    </message>
    <message>
        <source>换带、换坐标系、转经纬度</source>
        <translation>换带、换坐标系、转经纬度</translation>
    </message>
    <message>
        <source>四参数、七参数</source>
        <translation>四参数、七参数</translation>
    </message>
    <message>
        <source>导出KML</source>
        <translation>导出KML</translation>
    </message>
    <message>
        <source>导出GeoJSON</source>
        <translation>导出GeoJSON</translation>
    </message>
    <message>
        <source>把坐标列表导出为 KML（Google 地球），按代码分文件夹</source>
        <translation>把坐标列表导出为 KML（Google 地球），按代码分文件夹</translation>
    </message>
    <message>
        <source>把坐标列表导出为 GeoJSON（网络地图）</source>
        <translation>把坐标列表导出为 GeoJSON（网络地图）</translation>
    </message>
    <message>
        <source>上传数据</source>
        <translation>上传数据</translation>
    </message>
    <message>
        <source>上传类别:</source>
        <translation>上传类别:</translation>
    </message>
    <message>
        <source>坐标数据</source>
        <translation>坐标数据</translation>
    </message>
    <message>
        <source>Plane Alignment</source>
        <translation>Plane Alignment</translation>
    </message>
    <message numerus="yes">
        <source>共 %1 行</source>
        <translation>
            <numerusform>共 %1 行</numerusform>
        </translation>
    </message>
    <message>
        <source>最小二乘平差</source>
        <translation>最小二乘平差</translation>
    </message>
    <message>
        <source>平差网</source>
        <translation>平差网</translation>
    </message>
    <message>
        <source>测站数</source>
        <translation>测站数</translation>
    </message>
    <message>
        <source>方向观测数</source>
        <translation>方向观测数</translation>
    </message>
    <message>
        <source>距离观测数</source>
        <translation>距离观测数</translation>
    </message>
    <message>
        <source>高差观测数</source>
        <translation>高差观测数</translation>
    </message>
    <message>
        <source>先验精度</source>
        <translation>先验精度</translation>
    </message>
    <message>
        <source>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm，仪器高与目标高 %5 mm</source>
        <translation>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm，仪器高与目标高 %5 mm</translation>
    </message>
    <message>
        <source>未知数个数</source>
        <translation>未知数个数</translation>
    </message>
    <message>
        <source>迭代次数</source>
        <translation>迭代次数</translation>
    </message>
    <message numerus="yes">
        <source>%n 次（直至坐标改正数均小于 0.1 mm）</source>
        <translation>
            <numerusform>%n 次（直至坐标改正数均小于 0.1 mm）</numerusform>
        </translation>
    </message>
    <message>
        <source>仅有一个观测、未参与平差的点</source>
        <translation>仅有一个观测、未参与平差的点</translation>
    </message>
    <message>
        <source>平差坐标与精度</source>
        <translation>平差坐标与精度</translation>
    </message>
    <message>
        <source>中误差与标准误差椭圆按先验单位权中误差 σ0 = 1 计算，单位 mm</source>
        <translation>中误差与标准误差椭圆按先验单位权中误差 σ0 = 1 计算，单位 mm</translation>
    </message>
    <message>
        <source>长轴方位角</source>
        <translation>长轴方位角</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>固定</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>加权</source>
        <translation>加权</translation>
    </message>
    <message>
        <source>待定</source>
        <translation>待定</translation>
    </message>
    <message>
        <source>测站定向角</source>
        <translation>测站定向角</translation>
    </message>
    <message>
        <source>定向角</source>
        <translation>定向角</translation>
    </message>
    <message>
        <source>观测值残差</source>
        <translation>观测值残差</translation>
    </message>
    <message>
        <source>v = 平差值 − 观测值；r 多余观测分量；w 标准化残差</source>
        <translation>v = 平差值 − 观测值；r 多余观测分量；w 标准化残差</translation>
    </message>
    <message>
        <source>照准点</source>
        <translation>照准点</translation>
    </message>
    <message>
        <source>观测类型</source>
        <translation>观测类型</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>距离</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>观测值</source>
        <translation>观测值</translation>
    </message>
    <message>
        <source>平差值</source>
        <translation>平差值</translation>
    </message>
    <message>
        <source>统计检验</source>
        <translation>统计检验</translation>
    </message>
    <message>
        <source>自由度</source>
        <translation>自由度</translation>
    </message>
    <message>
        <source>验后单位权中误差 σ0</source>
        <translation>验后单位权中误差 σ0</translation>
    </message>
    <message>
        <source>无多余观测，无法计算与检验</source>
        <translation>无多余观测，无法计算与检验</translation>
    </message>
    <message>
        <source>χ² 检验（95%，双侧）</source>
        <translation>χ² 检验（95%，双侧）</translation>
    </message>
    <message>
        <source>最大标准化残差（数据探测）</source>
        <translation>最大标准化残差（数据探测）</translation>
    </message>
    <message>
        <source>%1，%2（临界值 %3）</source>
        <translation>%1，%2（临界值 %3）</translation>
    </message>
    <message>
        <source>可能含粗差：剔除该观测后重新平差</source>
        <translation>可能含粗差：剔除该观测后重新平差</translation>
    </message>
    <message>
        <source>高程平差（三角高程，单独平差）</source>
        <translation>高程平差（三角高程，单独平差）</translation>
    </message>
    <message>
        <source>高差残差</source>
        <translation>高差残差</translation>
    </message>
    <message>
        <source>高程统计检验</source>
        <translation>高程统计检验</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>超限</source>
        <translation>超限</translation>
    </message>
    <message>
        <source>计算时间</source>
        <translation>计算时间</translation>
    </message>
    <message>
        <source>导线类型</source>
        <translation>导线类型</translation>
    </message>
    <message>
        <source>附合导线</source>
        <translation>附合导线</translation>
    </message>
    <message>
        <source>闭合导线</source>
        <translation>闭合导线</translation>
    </message>
    <message>
        <source>支导线（无检核）</source>
        <translation>支导线（无检核）</translation>
    </message>
    <message>
        <source>路线</source>
        <translation>路线</translation>
    </message>
    <message>
        <source>已知数据</source>
        <translation>已知数据</translation>
    </message>
    <message>
        <source>起始方位角</source>
        <translation>起始方位角</translation>
    </message>
    <message>
        <source>终边方位角</source>
        <translation>终边方位角</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>后视</source>
        <translation>后视</translation>
    </message>
    <message>
        <source>前视</source>
        <translation>前视</translation>
    </message>
    <message>
        <source>观测角</source>
        <translation>观测角</translation>
    </message>
    <message>
        <source>盘位</source>
        <translation>盘位</translation>
    </message>
    <message>
        <source>改正数(″)</source>
        <translation>改正数(″)</translation>
    </message>
    <message>
        <source>改正后角值</source>
        <translation>改正后角值</translation>
    </message>
    <message>
        <source>边长与坐标增量</source>
        <translation>边长与坐标增量</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>往测平距</source>
        <translation>往测平距</translation>
    </message>
    <message>
        <source>返测平距</source>
        <translation>返测平距</translation>
    </message>
    <message>
        <source>平均边长</source>
        <translation>平均边长</translation>
    </message>
    <message>
        <source>平差后坐标</source>
        <translation>平差后坐标</translation>
    </message>
    <message>
        <source>闭合差与精度</source>
        <translation>闭合差与精度</translation>
    </message>
    <message>
        <source>角度闭合差 fβ</source>
        <translation>角度闭合差 fβ</translation>
    </message>
    <message>
        <source>测角个数 n</source>
        <translation>测角个数 n</translation>
    </message>
    <message>
        <source>坐标闭合差</source>
        <translation>坐标闭合差</translation>
    </message>
    <message>
        <source>导线全长 ΣD</source>
        <translation>导线全长 ΣD</translation>
    </message>
    <message>
        <source>全长相对闭合差 K</source>
        <translation>全长相对闭合差 K</translation>
    </message>
    <message>
        <source>限差</source>
        <translation>限差</translation>
    </message>
    <message>
        <source>支导线没有检核条件，结果未经检核</source>
        <translation>支导线没有检核条件，结果未经检核</translation>
    </message>
    <message>
        <source>已知</source>
        <translation>已知</translation>
    </message>
    <message>
        <source>满足等级</source>
        <translation>满足等级</translation>
    </message>
    <message>
        <source>大气折光系数 k</source>
        <translation>大气折光系数 k</translation>
    </message>
    <message>
        <source>不改正球气差</source>
        <translation>不改正球气差</translation>
    </message>
    <message>
        <source>测站与定向</source>
        <translation>测站与定向</translation>
    </message>
    <message>
        <source>定向改正 ω</source>
        <translation>定向改正 ω</translation>
    </message>
    <message>
        <source>后视方位角</source>
        <translation>后视方位角</translation>
    </message>
    <message>
        <source>设置方位角</source>
        <translation>设置方位角</translation>
    </message>
    <message>
        <source>后视距离(坐标)</source>
        <translation>后视距离(坐标)</translation>
    </message>
    <message>
        <source>后视距离(记录)</source>
        <translation>后视距离(记录)</translation>
    </message>
    <message>
        <source>已改正</source>
        <translation>已改正</translation>
    </message>
    <message>
        <source>无测站坐标</source>
        <translation>无测站坐标</translation>
    </message>
    <message>
        <source>重算点</source>
        <translation>重算点</translation>
    </message>
    <message>
        <source>重算点数</source>
        <translation>重算点数</translation>
    </message>
    <message>
        <source>超限点数</source>
        <translation>超限点数</translation>
    </message>
    <message>
        <source>2C 互差限值(″)</source>
        <translation>2C 互差限值(″)</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>盘左水平角</source>
        <translation>盘左水平角</translation>
    </message>
    <message>
        <source>盘右水平角</source>
        <translation>盘右水平角</translation>
    </message>
    <message>
        <source>平均方向</source>
        <translation>平均方向</translation>
    </message>
    <message>
        <source>平均天顶距</source>
        <translation>平均天顶距</translation>
    </message>
    <message>
        <source>指标差(″)</source>
        <translation>指标差(″)</translation>
    </message>
    <message>
        <source>2C 互差</source>
        <translation>2C 互差</translation>
    </message>
    <message>
        <source>原有的作业仍在，没有改变。</source>
        <translation>原有的作业仍在，没有改变。</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>打开项目</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>MERION 项目 (*.db);;所有文件 (*)</source>
        <translation>MERION 项目 (*.db);;所有文件 (*)</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>%1 已经存在。新项目需要一个新的文件名；要打开这个项目，请用“打开项目”。</source>
        <translation>%1 已经存在。新项目需要一个新的文件名；要打开这个项目，请用“打开项目”。</translation>
    </message>
    <message>
        <source>项目 %1 已在另一个 MERION 窗口中打开，这里没有打开它。</source>
        <translation>项目 %1 已在另一个 MERION 窗口中打开，这里没有打开它。</translation>
    </message>
    <message>
        <source>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
打开另一个项目将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</source>
        <translation>%1中有手工输入或修改的数据，自上次导出或上传以来尚未保存。
打开另一个项目将清空该列表（副本存入数据库旁的 discarded 文件夹）。
是否先导出？</translation>
    </message>
    <message>
        <source>仍然切换</source>
        <translation>仍然切换</translation>
    </message>
    <message>
        <source>最近的项目(&amp;R)</source>
        <translation>最近的项目(&amp;R)</translation>
    </message>
    <message>
        <source>新建一个项目数据库并在其中工作
新建项目数据库</source>
        <translation>新建一个项目数据库并在其中工作
新建项目数据库</translation>
    </message>
    <message>
        <source>打开另一个项目数据库，无需重新启动程序
打开另一个项目数据库</source>
        <translation>打开另一个项目数据库，无需重新启动程序
打开另一个项目数据库</translation>
    </message>
    <message>
        <source>选择串口、波特率、数据位、停止位和校验位</source>
        <translation>选择串口、波特率、数据位、停止位和校验位</translation>
    </message>
    <message>
        <source>把坐标列表发送到仪器</source>
        <translation>把坐标列表发送到仪器</translation>
    </message>
    <message>
        <source>从仪器接收测量作业并存入项目</source>
        <translation>从仪器接收测量作业并存入项目</translation>
    </message>
    <message>
        <source>把列表显示的内容导出为 CSV 文件
把列表显示的内容导出为 CSV 文件</source>
        <translation>把列表显示的内容导出为 CSV 文件
把列表显示的内容导出为 CSV 文件</translation>
    </message>
    <message>
        <source>关闭程序
关闭程序（先询问未导出的手工数据）</source>
        <translation>关闭程序
关闭程序（先询问未导出的手工数据）</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</source>
        <translation>测站 %1 的先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</translation>
    </message>
    <message>
        <source>仪器先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</source>
        <translation>仪器先验精度：方向中误差与测距 a + b 须大于 0，对中误差不能为负</translation>
    </message>
    <message>
        <source>已知点 %1 的权：平面与高程中误差须大于 0</source>
        <translation>已知点 %1 的权：平面与高程中误差须大于 0</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度出现了两次</source>
        <translation>测站 %1 的先验精度出现了两次</translation>
    </message>
    <message>
        <source>已知点 %1 的权出现了两次</source>
        <translation>已知点 %1 的权出现了两次</translation>
    </message>
    <message>
        <source>对中误差(mm)</source>
        <translation>对中误差(mm)</translation>
    </message>
    <message>
        <source>测站自己的先验精度（空白处取仪器的值）</source>
        <translation>测站自己的先验精度（空白处取仪器的值）</translation>
    </message>
    <message>
        <source>方向(″)</source>
        <translation>方向(″)</translation>
    </message>
    <message>
        <source>测距 a(mm)</source>
        <translation>测距 a(mm)</translation>
    </message>
    <message>
        <source>测距 b(ppm)</source>
        <translation>测距 b(ppm)</translation>
    </message>
    <message>
        <source>对中(mm)</source>
        <translation>对中(mm)</translation>
    </message>
    <message>
        <source>加权的已知点（空白处固定）</source>
        <translation>加权的已知点（空白处固定）</translation>
    </message>
    <message>
        <source>平面中误差(mm)</source>
        <translation>平面中误差(mm)</translation>
    </message>
    <message>
        <source>高程中误差(mm)</source>
        <translation>高程中误差(mm)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>正在平差……</source>
        <translation>正在平差……</translation>
    </message>
    <message>
        <source>平差已取消，平差结果未作改动</source>
        <translation>平差已取消，平差结果未作改动</translation>
    </message>
    <message>
        <source>对中误差的计入</source>
        <translation>对中误差的计入</translation>
    </message>
    <message>
        <source>仪器与目标各对中一次，互相独立：方向方差加 2σc²/D²，距离方差加 2σc²；高差不计</source>
        <translation>仪器与目标各对中一次，互相独立：方向方差加 2σc²/D²，距离方差加 2σc²；高差不计</translation>
    </message>
    <message>
        <source>测站 %1 的先验精度</source>
        <translation>测站 %1 的先验精度</translation>
    </message>
    <message>
        <source>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm</source>
        <translation>方向 %1″，测距 %2 mm + %3 ppm，对中 %4 mm</translation>
    </message>
    <message>
        <source>加权已知点 %1</source>
        <translation>加权已知点 %1</translation>
    </message>
    <message>
        <source>平面 σN = σE = %1 mm</source>
        <translation>平面 σN = σE = %1 mm</translation>
    </message>
    <message>
        <source>高程 σZ = %1 mm</source>
        <translation>高程 σZ = %1 mm</translation>
    </message>
    <message>
        <source>正在平差：第 %1 次迭代……</source>
        <translation>正在平差：第 %1 次迭代……</translation>
    </message>
    <message>
        <source>正在计算平差结果的精度……</source>
        <translation>正在计算平差结果的精度……</translation>
    </message>
    <message numerus="yes">
        <source>删除选中的 %1 条记录？</source>
        <translation>
            <numerusform>删除选中的 %1 条记录？</numerusform>
        </translation>
    </message>
    <message>
        <source>正在读取点…</source>
        <translation>正在读取点…</translation>
    </message>
    <message>
        <source>正在读取点… %1/%2</source>
        <translation>正在读取点… %1/%2</translation>
    </message>
    <message>
        <source>正在排序…</source>
        <translation>正在排序…</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>项目：%1</source>
        <translation>项目：%1</translation>
    </message>
    <message>
        <source>日期：%1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>坐标系：%1</source>
        <translation>坐标系：%1</translation>
    </message>
    <message>
        <source>比例：%1</source>
        <translation>比例：%1</translation>
    </message>
    <message>
        <source>平面图已保存到 %1</source>
        <translation>平面图已保存到 %1</translation>
    </message>
    <message>
        <source>平面图打印设置</source>
        <translation>平面图打印设置</translation>
    </message>
    <message>
        <source>纸张：</source>
        <translation>纸张：</translation>
    </message>
    <message>
        <source>方向：</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>比例：</source>
        <translation>比例：</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>图签（项目、日期、坐标系、比例）</source>
        <translation>图签（项目、日期、坐标系、比例）</translation>
    </message>
    <message>
        <source>改为适合页面</source>
        <translation>改为适合页面</translation>
    </message>
    <message>
        <source>按 %1 出图：测区在纸上 %2，图框 %3。</source>
        <translation>按 %1 出图：测区在纸上 %2，图框 %3。</translation>
    </message>
    <message>
        <source>%1 时测区在纸上 %2，放得下（图框 %3）。</source>
        <translation>%1 时测区在纸上 %2，放得下（图框 %3）。</translation>
    </message>
    <message>
        <source>%1 时测区在纸上 %2，超出图框 %3：将以测区中心居中出图，图框外的部分不画。要画出全部点，请改为适合页面或更大的纸张。</source>
        <translation>%1 时测区在纸上 %2，超出图框 %3：将以测区中心居中出图，图框外的部分不画。要画出全部点，请改为适合页面或更大的纸张。</translation>
    </message>
    <message>
        <source>导出平面图</source>
        <translation>导出平面图</translation>
    </message>
    <message>
        <source>把平面图导出为 PNG、SVG，或按比例带图签打印为 PDF</source>
        <translation>把平面图导出为 PNG、SVG，或按比例带图签打印为 PDF</translation>
    </message>
</context>
</TS>
