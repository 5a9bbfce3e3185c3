<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>XAccountReply</name>
    <message>
        <source>Cannot reach the account service</source>
        <translation>无法连接账户服务</translation>
    </message>
    <message>
        <source>The account service cannot be trusted</source>
        <translation>账户服务不可信</translation>
    </message>
    <message>
        <source>The account service does not answer</source>
        <translation>账户服务没有响应</translation>
    </message>
    <message>
        <source>The account service reported an error</source>
        <translation>账户服务报告了错误</translation>
    </message>
    <message>
        <source>The account service sent an unreadable reply</source>
        <translation>账户服务的回复无法读取</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the local account service (run tableclick-accountd in a terminal, or systemctl --user start tableclick-accountd), then try again.</source>
        <translation>%1 没有响应。请启动本地账户服务（在终端中运行 tableclick-accountd，或运行 systemctl --user start tableclick-accountd），然后重试。</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Check your connection, or start the service, and try again.</source>
        <translation>%1 没有响应。请检查网络连接，或启动该服务，然后重试。</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: its certificate is not the one Tableclick trusts, or it is invalid. Nothing was sent.</source>
        <translation>与 %1 的安全连接失败：其证书不是 Tableclick 信任的证书，或者证书无效。未发送任何内容。</translation>
    </message>
    <message>
        <source>%1 did not answer within 15 seconds. Try again later.</source>
        <translation>%1 在 15 秒内没有响应。请稍后重试。</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2. Try again later.</source>
        <translation>%1 返回了 HTTP 状态码 %2。请稍后重试。</translation>
    </message>
    <message>
        <source>The reply from %1 is not what Tableclick expects. Is the service address right?</source>
        <translation>%1 的回复不是 Tableclick 所期望的内容。请检查服务地址是否正确。</translation>
    </message>
</context>
<context>
    <name>XAccountRequester</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>XAccountService</name>
    <message>
        <source>The local account service sends no real mail: it is a file in %1.</source>
        <translation>本地账户服务不会发送真实邮件：邮件以文件形式保存在 %1 中。</translation>
    </message>
</context>
<context>
    <name>XAddMouseActionView</name>
    <message>
        <source>Mouse actions</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>Where to click: x on the screen, from its left edge</source>
        <translation>点击位置：屏幕上的 x，从左边缘算起</translation>
    </message>
    <message>
        <source>Where to click: y on the screen, from its top edge</source>
        <translation>点击位置：屏幕上的 y，从上边缘算起</translation>
    </message>
    <message>
        <source>How many clicks</source>
        <translation>点击次数</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Which mouse button clicks</source>
        <translation>用哪个鼠标按键点击</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add this click to the list</source>
        <translation>把这次点击加入列表</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation>3 秒后添加指针位置</translation>
    </message>
    <message>
        <source>Counts down 3 seconds for you to point at the place, then adds a click there</source>
        <translation>倒数 3 秒，请把指针移到要点击的位置，然后在那里添加一次点击</translation>
    </message>
    <message>
        <source>Pointer hot key</source>
        <translation>指针快捷键</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>The clicks Execute makes, top to bottom</source>
        <translation>&quot;执行&quot;按从上到下的顺序进行的点击</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move the selected click up</source>
        <translation>把选中的点击上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move the selected click down</source>
        <translation>把选中的点击下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the selected clicks</source>
        <translation>删除选中的点击</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>清空列表</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Click the whole list, in order</source>
        <translation>按顺序点击整个列表</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Shows what the six list buttons hold. A list button keeps a copy of the table when empty, and offers to replace or show its list otherwise</source>
        <translation>显示六个列表按钮保存的内容。列表按钮为空时，按下会保存表格的副本；不为空时，可以替换或显示它的列表</translation>
    </message>
</context>
<context>
    <name>XAddMouseActionViewController</name>
    <message>
        <source>X must be a number on a screen: %1</source>
        <translation>X 必须是屏幕上的数值：%1</translation>
    </message>
    <message>
        <source>Y must be a number on a screen: %1</source>
        <translation>Y 必须是屏幕上的数值：%1</translation>
    </message>
    <message>
        <source>Empty: press to keep a copy of the table</source>
        <translation>空：按下即保存表格的副本</translation>
    </message>
    <message>
        <source>Right-click, Undo replace: back to the list held before</source>
        <translation>右键点击&quot;撤销替换&quot;：恢复替换前的列表</translation>
    </message>
    <message>
        <source>List %1:</source>
        <translation>列表 %1:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>The list buttons</source>
        <translation>列表按钮</translation>
    </message>
    <message>
        <source>Point… %1</source>
        <translation>指向… %1</translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation>3 秒后添加指针位置</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>The Button Had Mouse Data</source>
        <translation>该按钮已有鼠标数据</translation>
    </message>
    <message>
        <source>Do you want to replace It ?</source>
        <translation>要用表格中的点击替换它的列表吗？选择&quot;在表格中显示&quot;则把它保存的列表放进表格。</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Display Button Data In Table</source>
        <translation>在表格中显示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>left button</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>No%1: clickPoint(%2,%3)  clickCount:%4  %5</source>
        <translation>第 %1 个：位置 (%2, %3)，点击 %4 次，%5</translation>
    </message>
</context>
<context>
    <name>XAutoSaver</name>
    <message>
        <source>Tableclick cannot save your settings</source>
        <translation>Tableclick 无法保存你的设置</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

What you set up is kept while Tableclick runs and saved again after your next change.</source>
        <translation>无法写入 %1:%2。

请腾出磁盘空间，或允许 Tableclick 写入该文件夹。Tableclick 运行期间你的设置会保留，下次更改后会再次保存。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>XBetButtonsView</name>
    <message>
        <source>Table</source>
        <translation>台面</translation>
    </message>
    <message>
        <source>Around a number</source>
        <translation>数字周围</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>Colours, parities, dozens, rows and zones of the table</source>
        <translation>台面上的颜色、单双、打、行和区域</translation>
    </message>
    <message>
        <source>Sectors around each number and runs after and before it on the wheel</source>
        <translation>每个数字周围的扇区，以及轮盘上它之后和之前的连续数字</translation>
    </message>
    <message>
        <source>The numbers at given wheel distances from each number</source>
        <translation>与每个数字相隔指定轮盘距离的数字</translation>
    </message>
    <message>
        <source>Row exclusions, wheel halves, diagonals, zone crosses, alternatives, specials and rounds</source>
        <translation>排除行、轮盘半区、对角线、区域十字、备选、特殊和环绕</translation>
    </message>
    <message>
        <source>Row exclusions</source>
        <translation>排除行</translation>
    </message>
    <message>
        <source>Wheel halves</source>
        <translation>轮盘半区</translation>
    </message>
    <message>
        <source>Diagonals</source>
        <translation>对角线</translation>
    </message>
    <message>
        <source>Zone crosses</source>
        <translation>区域十字</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>备选</translation>
    </message>
    <message>
        <source>Specials</source>
        <translation>特殊</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>环绕</translation>
    </message>
    <message>
        <source>T-RED</source>
        <translation>上红</translation>
    </message>
    <message>
        <source>M-RED</source>
        <translation>中红</translation>
    </message>
    <message>
        <source>B-RED</source>
        <translation>下红</translation>
    </message>
    <message>
        <source>3-RED</source>
        <translation>3打红</translation>
    </message>
    <message>
        <source>2-RED</source>
        <translation>2打红</translation>
    </message>
    <message>
        <source>1-RED</source>
        <translation>1打红</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>红</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>黑</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>双</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>单</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>上行</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>中行</translation>
    </message>
    <message>
        <source>BOTM</source>
        <translation>下行</translation>
    </message>
    <message>
        <source>T-BLK</source>
        <translation>上黑</translation>
    </message>
    <message>
        <source>T-EVEN</source>
        <translation>上双</translation>
    </message>
    <message>
        <source>T-ODD</source>
        <translation>上单</translation>
    </message>
    <message>
        <source>M-BLK</source>
        <translation>中黑</translation>
    </message>
    <message>
        <source>M-EVEN</source>
        <translation>中双</translation>
    </message>
    <message>
        <source>M-ODD</source>
        <translation>中单</translation>
    </message>
    <message>
        <source>B-BLK</source>
        <translation>下黑</translation>
    </message>
    <message>
        <source>B-EVEN</source>
        <translation>下双</translation>
    </message>
    <message>
        <source>B-ODD</source>
        <translation>下单</translation>
    </message>
    <message>
        <source>1-12</source>
        <translation>1-12</translation>
    </message>
    <message>
        <source>13-24</source>
        <translation>13-24</translation>
    </message>
    <message>
        <source>25-36</source>
        <translation>25-36</translation>
    </message>
    <message>
        <source>1-BLK</source>
        <translation>1打黑</translation>
    </message>
    <message>
        <source>1-EVEN</source>
        <translation>1打双</translation>
    </message>
    <message>
        <source>1-ODD</source>
        <translation>1打单</translation>
    </message>
    <message>
        <source>2-BLK</source>
        <translation>2打黑</translation>
    </message>
    <message>
        <source>2-EVEN</source>
        <translation>2打双</translation>
    </message>
    <message>
        <source>2-ODD</source>
        <translation>2打单</translation>
    </message>
    <message>
        <source>3-BLK</source>
        <translation>3打黑</translation>
    </message>
    <message>
        <source>3-EVEN</source>
        <translation>3打双</translation>
    </message>
    <message>
        <source>3-ODD</source>
        <translation>3打单</translation>
    </message>
    <message>
        <source>10-19</source>
        <translation>10-19</translation>
    </message>
    <message>
        <source>20-29</source>
        <translation>20-29</translation>
    </message>
    <message>
        <source>30-36</source>
        <translation>30-36</translation>
    </message>
    <message>
        <source>ZONE 1</source>
        <translation>区域 1</translation>
    </message>
    <message>
        <source>ZONE 2</source>
        <translation>区域 2</translation>
    </message>
    <message>
        <source>ZONE 3</source>
        <translation>区域 3</translation>
    </message>
    <message>
        <source>ZONE 4</source>
        <translation>区域 4</translation>
    </message>
    <message>
        <source>NEAR BY</source>
        <translation>邻近</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>CROSS 0</source>
        <translation>十字 0</translation>
    </message>
</context>
<context>
    <name>XBetCaption</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>双数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>单数</translation>
    </message>
    <message>
        <source>1st dozen (1–12)</source>
        <translation>第1打 (1–12)</translation>
    </message>
    <message>
        <source>2nd dozen (13–24)</source>
        <translation>第2打 (13–24)</translation>
    </message>
    <message>
        <source>3rd dozen (25–36)</source>
        <translation>第3打 (25–36)</translation>
    </message>
    <message>
        <source>Top row</source>
        <translation>上行</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>中行</translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation>下行</translation>
    </message>
    <message>
        <source>Next to the top row</source>
        <translation>上行之外</translation>
    </message>
    <message>
        <source>Next to the middle row</source>
        <translation>中行之外</translation>
    </message>
    <message>
        <source>Next to the bottom row</source>
        <translation>下行之外</translation>
    </message>
    <message>
        <source>10 to 19</source>
        <translation>10 至 19</translation>
    </message>
    <message>
        <source>20 to 29</source>
        <translation>20 至 29</translation>
    </message>
    <message>
        <source>28 to 36</source>
        <translation>28 至 36</translation>
    </message>
    <message>
        <source>Zone cross</source>
        <translation>区域十字</translation>
    </message>
    <message>
        <source>Zone cross 0 and 5</source>
        <translation>区域十字 0 和 5</translation>
    </message>
    <message>
        <source>Zone cross, down</source>
        <translation>区域十字，下</translation>
    </message>
    <message>
        <source>Zone cross, up</source>
        <translation>区域十字，上</translation>
    </message>
    <message>
        <source>Zone cross, left</source>
        <translation>区域十字，左</translation>
    </message>
    <message>
        <source>Zone cross, right</source>
        <translation>区域十字，右</translation>
    </message>
    <message>
        <source>Special 10·23·8</source>
        <translation>特殊 10·23·8</translation>
    </message>
    <message>
        <source>Special 15·19·35</source>
        <translation>特殊 15·19·35</translation>
    </message>
    <message>
        <source>Special 22·11·33</source>
        <translation>特殊 22·11·33</translation>
    </message>
    <message>
        <source>Special 28·7·29</source>
        <translation>特殊 28·7·29</translation>
    </message>
    <message>
        <source>Special 2·21·4</source>
        <translation>特殊 2·21·4</translation>
    </message>
    <message>
        <source>Round 1·5·9</source>
        <translation>环绕 1·5·9</translation>
    </message>
    <message>
        <source>Round 13·18</source>
        <translation>环绕 13·18</translation>
    </message>
    <message>
        <source>Round 20·22</source>
        <translation>环绕 20·22</translation>
    </message>
    <message>
        <source>Round 26·28</source>
        <translation>环绕 26·28</translation>
    </message>
    <message>
        <source>Round 2·4·7</source>
        <translation>环绕 2·4·7</translation>
    </message>
    <message>
        <source>Round 15·17</source>
        <translation>环绕 15·17</translation>
    </message>
    <message>
        <source>Round 30·36</source>
        <translation>环绕 30·36</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1、%2 和 %3</translation>
    </message>
    <message>
        <source>%1 numbers %2 places after %3 on the wheel</source>
        <translation>轮盘上 %3 之后第 %2 位的 %1 个数字</translation>
    </message>
    <message>
        <source>%1 numbers %2 places before %3 on the wheel</source>
        <translation>轮盘上 %3 之前第 %2 位的 %1 个数字</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3</translation>
    </message>
    <message>
        <source>%1 in %2 dozen</source>
        <translation>第%2打中的%1</translation>
    </message>
    <message>
        <source>%1 of %2 row, with neighbours</source>
        <translation>%2行的%1（含相邻）</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>even</source>
        <translation>双</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>单</translation>
    </message>
    <message>
        <source>Wheel&apos;s %1 half, %2</source>
        <translation>轮盘%1半区，%2</translation>
    </message>
    <message>
        <source>Diagonal %1–%2 %3, %4</source>
        <translation>对角线 %1–%2 %3,%4</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>区域 %1</translation>
    </message>
    <message>
        <source>Alternative %1</source>
        <translation>备选 %1</translation>
    </message>
    <message>
        <source>%1 and its wheel neighbours</source>
        <translation>%1 及其轮盘邻号</translation>
    </message>
    <message>
        <source>Wheel distances %1 from %2, both sides</source>
        <translation>轮盘上与 %2 相距 %1 的数字（两侧）</translation>
    </message>
    <message>
        <source>Wheel distance %1 from %2, both sides</source>
        <translation>轮盘上与 %2 相距 %1 的数字（两侧）</translation>
    </message>
    <message>
        <source>Sector %1 around %2: %2, 0 and wheel distances %3</source>
        <translation>%2 周围的 %1 扇区：%2、0 及轮盘距离 %3</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>号</translation>
    </message>
    <message>
        <source>The number and its two wheel neighbours</source>
        <translation>该数字及其轮盘上的两个邻号</translation>
    </message>
    <message>
        <source>Sector %1: the number, 0 and every number at wheel distance %2</source>
        <translation>%1 扇区：该数字、0 及轮盘距离为 %2 的所有数字</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>该数字</translation>
    </message>
    <message>
        <source>The 6 numbers at wheel distances %1 (A = 1 … R = 18), both sides of the number</source>
        <translation>该数字两侧轮盘距离为 %1 的 6 个数字（A = 1 … R = 18）</translation>
    </message>
    <message>
        <source>The 2 numbers at wheel distance %1, one each side of the number</source>
        <translation>该数字两侧轮盘距离为 %1 的 2 个数字，每侧一个</translation>
    </message>
</context>
<context>
    <name>XBetList</name>
    <message>
        <source>SUM = %1</source>
        <translation>合计 = %1</translation>
    </message>
    <message>
        <source>Total:%1</source>
        <translation>总计：%1</translation>
    </message>
</context>
<context>
    <name>XConfirmEmailViewController</name>
    <message>
        <source>Forgot your password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>We will mail a verification code to your address.</source>
        <translation>我们会把验证码发送到你的电子邮箱。</translation>
    </message>
    <message>
        <source>Send the code</source>
        <translation>发送验证码</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Confirm Email Failed!</source>
        <translation>验证码未发送</translation>
    </message>
    <message>
        <source>You must complete Your E-Mail fields.</source>
        <translation>请输入你的电子邮箱地址。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Confirm Email Success</source>
        <translation>验证码已发送</translation>
    </message>
    <message>
        <source>We&apos;ve sent a verification code to your Email. Please check and reset password!</source>
        <translation>我们已将验证码发送到你的电子邮箱。请在下一个页面输入验证码和新密码。</translation>
    </message>
    <message>
        <source>Incorrect your E-mail.</source>
        <translation>无法向此电子邮箱发送验证码。请检查地址后重试。</translation>
    </message>
</context>
<context>
    <name>XGridColors</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
</context>
<context>
    <name>XGridManagerView</name>
    <message>
        <source>Numbers</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>投注</translation>
    </message>
    <message>
        <source>How many times each number will be clicked</source>
        <translation>每个数字将被点击的次数</translation>
    </message>
    <message>
        <source>BET (space)</source>
        <translation>下注 （空格）</translation>
    </message>
    <message>
        <source>Click the whole bet on the table (Space)</source>
        <translation>在台面上点击整个投注（空格键）</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>Click every number that is not in the bet, once</source>
        <translation>把不在投注中的每个数字各点击一次</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Take back the last button press</source>
        <translation>撤销最后一次按键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Empty the bet</source>
        <translation>清空投注</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>特殊</translation>
    </message>
    <message>
        <source>Adds 1, 2 ×3, 13, 24 ×4, 25 and 6</source>
        <translation>添加 1、2 ×3、13、24 ×4、25 和 6</translation>
    </message>
    <message>
        <source>Direct mode</source>
        <translation>直接模式</translation>
    </message>
    <message>
        <source>Click each button press on the table at once</source>
        <translation>每按一个按钮就立即在台面上点击</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>拖动</translation>
    </message>
    <message>
        <source>Move the mouse slightly while each click is held</source>
        <translation>每次点击按住时轻微移动鼠标</translation>
    </message>
    <message>
        <source>Lock grid</source>
        <translation>锁定网格</translation>
    </message>
    <message>
        <source>Locked: clicks pass through the grid to the table. Unlocked: fit the grid with the mouse</source>
        <translation>锁定：点击穿过网格落到台面上。解锁：用鼠标调整网格</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Pause after each click, in milliseconds: 1 to 86400000 (a day)</source>
        <translation>每次点击后的间隔，单位毫秒：1 至 86400000（一天）</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>投注</translation>
    </message>
    <message>
        <source>Saved bets</source>
        <translation>已保存的投注</translation>
    </message>
    <message>
        <source>Save bet</source>
        <translation>保存投注</translation>
    </message>
    <message>
        <source>Keep the current bet in the table below, with a note</source>
        <translation>把当前投注连同备注保存到下面的表格</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Right-click a saved bet to add it to the bet or delete it; double-click its name or its note to edit it</source>
        <translation>右键点击已保存的投注，可把它加入投注或删除；双击名称或备注可编辑</translation>
    </message>
</context>
<context>
    <name>XGridManagerViewController</name>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>删除 %1(%2)?</translation>
    </message>
    <message>
        <source>The saved bet is removed from the table. This cannot be undone.</source>
        <translation>这条已保存的投注将从表格中移除，且无法撤销。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>BET (space)</source>
        <translation>下注 （空格）</translation>
    </message>
    <message>
        <source>鼠标进入&quot;按钮%1&quot;区域</source>
        <translation>鼠标进入&quot;按钮%1&quot;区域</translation>
    </message>
    <message>
        <source>鼠标离开&quot;按钮%1&quot;区域</source>
        <translation>鼠标离开&quot;按钮%1&quot;区域</translation>
    </message>
    <message>
        <source>No Data in Grid</source>
        <translation>投注为空</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>按钮存在以下数据:
</source>
        <translation>按钮存在以下数据:
</translation>
    </message>
    <message>
        <source>(index:%1,clickCount:%2)  </source>
        <translation>（位置：%1，次数：%2）  </translation>
    </message>
    <message>
        <source>

Append adds these clicks to the bet; Delete removes the saved bet.</source>
        <translation>

&quot;追加&quot;把这些点击加入当前投注；&quot;删除&quot;移除这条已保存的投注。</translation>
    </message>
    <message>
        <source>请选择操作</source>
        <translation>请选择操作</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No Data in Grid</source>
        <comment>what to do</comment>
        <translation>请先按数字或投注按钮组成投注，然后再保存。</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>投注 %1</translation>
    </message>
</context>
<context>
    <name>XGridWindowController</name>
    <message>
        <source>Tableclick grid</source>
        <translation>Tableclick 网格</translation>
    </message>
    <message>
        <source>Drag to move this panel</source>
        <translation>拖动以移动此面板</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>线条颜色</translation>
    </message>
    <message>
        <source>Colour of the grid lines</source>
        <translation>网格线的颜色</translation>
    </message>
    <message>
        <source>Reset grid</source>
        <translation>重置网格</translation>
    </message>
    <message>
        <source>Put the grid back to its first place and size, without gaps</source>
        <translation>把网格恢复到最初的位置和大小，不留间隙</translation>
    </message>
    <message>
        <source>Saved layouts</source>
        <translation>已保存的布局</translation>
    </message>
    <message>
        <source>Select a layout to put the window and grid where it was saved</source>
        <translation>选择一个布局，把窗口和网格放回保存时的位置</translation>
    </message>
    <message>
        <source>Save the current window and grid as a layout</source>
        <translation>把当前窗口和网格保存为布局</translation>
    </message>
    <message>
        <source>Remove the selected layouts</source>
        <translation>移除选中的布局</translation>
    </message>
    <message>
        <source>Drag to resize the grid&apos;s window</source>
        <translation>拖动以调整网格窗口的大小</translation>
    </message>
    <message>
        <source>Drag to move the grid&apos;s window</source>
        <translation>拖动以移动网格窗口</translation>
    </message>
    <message>
        <source>Find table</source>
        <translation>查找台面</translation>
    </message>
    <message>
        <source>Look at the screen under the grid and lay the grid on the table there</source>
        <translation>查看网格下方的屏幕，并把网格放到那里的台面上</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Put the grid back where it was before Find table</source>
        <translation>把网格放回&quot;查找台面&quot;之前的位置</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <translation>布局 %1</translation>
    </message>
</context>
<context>
    <name>XHotKeyField</name>
    <message>
        <source>Click, then press the keys</source>
        <translation>点击此处，然后按下按键</translation>
    </message>
    <message>
        <source>Click here and press a combination with Ctrl, Alt or Super (Shift may be added); pressing it later anywhere copies the pointer&apos;s position into X and Y</source>
        <translation>点击此处，然后按下包含 Ctrl、Alt 或 Meta(Super 键)的组合键(可加 Shift)；之后在任何地方按下它，都会把指针位置填入 X 和 Y</translation>
    </message>
    <message>
        <source>No hot key</source>
        <translation>不用快捷键</translation>
    </message>
    <message>
        <source>Not used: a hot key needs Ctrl, Alt or Super. </source>
        <translation>未使用：快捷键需要包含 Ctrl、Alt 或 Meta(Super 键)。</translation>
    </message>
    <message>
        <source>unknown Error</source>
        <translation>无法使用这个快捷键</translation>
    </message>
    <message>
        <source>Another program holds this key combination, or the keyboard has no such key. Choose another combination.</source>
        <translation>另一个程序占用了这个组合键，或者键盘上没有这个键。请选择其他组合键。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>XMainWindowViewController</name>
    <message>
        <source>Tutorial</source>
        <translation>教程</translation>
    </message>
    <message>
        <source>How to fit the grid and place bets</source>
        <translation>如何调整网格并下注</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Find Table</source>
        <translation>查找台面</translation>
    </message>
    <message>
        <source>Find table (Ctrl+F): lay the grid on the table on the screen</source>
        <translation>查找台面 (Ctrl+F)：把网格放到屏幕上的台面上</translation>
    </message>
    <message>
        <source>Allow clicks on Wayland</source>
        <translation>允许在 Wayland 上点击</translation>
    </message>
    <message>
        <source>Let the desktop ask now whether Tableclick may control the mouse (once per login), rather than at the first bet</source>
        <translation>让桌面现在就询问是否允许 Tableclick 控制鼠标（每次登录一次），而不是在第一次下注时询问</translation>
    </message>
</context>
<context>
    <name>XPauseField</name>
    <message>
        <source>Not a pause: type milliseconds from 1 to 86400000 (a day), digits only. The pause in use stays %1 ms.</source>
        <translation>不是有效的间隔：请只输入数字，范围 1 至 86400000 毫秒（一天）。当前使用的间隔仍为 %1 毫秒。</translation>
    </message>
</context>
<context>
    <name>XPlaybackQueue</name>
    <message>
        <source>click %1</source>
        <translation>第 %1 次点击</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>格子 %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>动作 %1</translation>
    </message>
</context>
<context>
    <name>XResetPasswordViewController</name>
    <message>
        <source>New password</source>
        <translation>设置新密码</translation>
    </message>
    <message>
        <source>Type the code from the mail and a new password.</source>
        <translation>请输入邮件中的验证码和新密码。</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>至少 8 个字符，其中至少有 1 个数字</translation>
    </message>
    <message>
        <source>Set the password</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Verification Code</source>
        <translation>验证码</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Reset Password Failed!</source>
        <translation>密码未设置</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>请填写所有字段。</translation>
    </message>
    <message>
        <source>Reset Password Success</source>
        <translation>密码已设置</translation>
    </message>
    <message>
        <source>New Password has updated successful!</source>
        <translation>新密码已设置。请用新密码登录。</translation>
    </message>
    <message>
        <source>Incorrect verification Code or Email.</source>
        <translation>验证码或电子邮箱地址不正确。请检查后重试。</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>密码至少需要 8 个字符，其中至少有 1 个数字。</translation>
    </message>
</context>
<context>
    <name>XRunStatusView</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop clicking now (Escape, or move the mouse, does the same)</source>
        <translation>立即停止点击（按 Esc 或移动鼠标效果相同）</translation>
    </message>
    <message>
        <source>Stopped with Stop after %1</source>
        <translation>已按&quot;停止&quot;停止，完成 %1</translation>
    </message>
    <message>
        <source>Escape is taken by another program: stop with Stop or by moving the mouse</source>
        <translation>Esc 键被另一个程序占用：请用&quot;停止&quot;按钮或移动鼠标来停止</translation>
    </message>
    <message>
        <source>Clicking %1 of %2</source>
        <translation>正在点击 %1 / %2</translation>
    </message>
    <message>
        <source>1 run waiting</source>
        <translation>1 轮在等待</translation>
    </message>
    <message>
        <source>%1 runs waiting</source>
        <translation>%1 轮在等待</translation>
    </message>
    <message>
        <source>%1 of %2 clicks</source>
        <translation>%1 / %2 次点击</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>完成：%1</translation>
    </message>
    <message>
        <source>Stopped with Escape after %1</source>
        <translation>已按 Esc 停止，完成 %1</translation>
    </message>
    <message>
        <source>Stopped: the mouse moved, after %1</source>
        <translation>已停止：鼠标移动了，完成 %1</translation>
    </message>
    <message>
        <source>Stopped: you clicked or scrolled, after %1</source>
        <translation>已停止：你点击或滚动了鼠标，完成 %1</translation>
    </message>
    <message>
        <source>Stopped: the table did not take %1 (its button release never arrived); check the table, then try again with a longer Pause</source>
        <translation>已停止：台面没有接收%1（按键释放始终没有到达）；请检查台面，然后用更长的间隔重试</translation>
    </message>
    <message>
        <source>Nothing clicked: %1 is not on any screen (a damaged or outdated point); fix it, then try again</source>
        <translation>未点击任何位置：%1 不在任何屏幕上（点已损坏或过时）；请修正后重试</translation>
    </message>
    <message>
        <source>Stopped before %1: it would click Tableclick&apos;s own window; move the window or the point, after %2</source>
        <translation>在%1之前停止：它会点击到 Tableclick 自己的窗口。请移动窗口或该点后重试（已完成 %2）</translation>
    </message>
    <message>
        <source>Stopped: the display went away, after %1</source>
        <translation>已停止：显示器连接断开，完成 %1</translation>
    </message>
    <message>
        <source>The desktop asks whether Tableclick may control the mouse: switch on &quot;Allow remote interaction&quot; and press Share. It asks once per login</source>
        <translation>桌面会询问是否允许 Tableclick 控制鼠标：请打开“允许远程交互”并按“共享”。每次登录只询问一次</translation>
    </message>
    <message>
        <source>This Wayland desktop offers no remote control: Tableclick can click only X11/XWayland windows here, not native Wayland ones</source>
        <translation>这个 Wayland 桌面不提供远程控制：Tableclick 在这里只能点击 X11/XWayland 窗口，不能点击原生 Wayland 窗口</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop did not allow Tableclick to control the mouse. Try again and allow remote interaction</source>
        <translation>未点击任何位置：桌面没有允许 Tableclick 控制鼠标。请重试并允许远程交互</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop&apos;s question whether Tableclick may control the mouse was not answered in time. Try again to be asked again</source>
        <translation>未点击任何位置：桌面询问是否允许 Tableclick 控制鼠标，但没有及时得到回答。请重试，桌面会再次询问</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop could not start its remote control; clicks reach only X11/XWayland windows until it can</source>
        <translation>未点击任何位置：桌面无法启动远程控制；在此之前，点击只能到达 X11/XWayland 窗口</translation>
    </message>
    <message>
        <source>Stopped: the desktop ended its remote control, after %1; the next run asks again</source>
        <translation>已停止：桌面结束了远程控制，完成 %1；下一轮会再次询问</translation>
    </message>
    <message>
        <source>Stopped: the point is on a monitor the desktop did not share, after %1</source>
        <translation>已停止：该点位于桌面未共享的显示器上，完成 %1</translation>
    </message>
    <message>
        <source>Stop clicking now (Escape does the same while an X11 window has the keyboard)</source>
        <translation>立即停止点击（当某个 X11 窗口拥有键盘焦点时，按 Esc 效果相同）</translation>
    </message>
    <message>
        <source>Tableclick may click native Wayland windows until you log out</source>
        <translation>在你注销之前，Tableclick 可以点击原生 Wayland 窗口</translation>
    </message>
    <message>
        <source>Asking the desktop to let Tableclick click</source>
        <translation>正在请桌面允许 Tableclick 点击</translation>
    </message>
</context>
<context>
    <name>XServiceText</name>
    <message>
        <source>A password needs at least 8 characters and at least 1 digit.</source>
        <translation>密码至少需要 8 个字符，其中至少有 1 个数字。</translation>
    </message>
    <message>
        <source>Account created. A confirmation link is on its way to your e-mail.</source>
        <translation>账户已创建。确认链接正在发往你的电子邮箱。</translation>
    </message>
    <message>
        <source>This user name is taken.</source>
        <translation>此用户名已被占用。请换一个用户名。</translation>
    </message>
    <message>
        <source>Too many failed sign-ins for this account. Please try again in %1 s.</source>
        <translation>此账户登录失败次数过多。请在 %1 秒后重试。</translation>
    </message>
    <message>
        <source>Too many failed sign-ins. Please try again later.</source>
        <translation>登录失败次数过多。请稍后重试。</translation>
    </message>
    <message>
        <source>Incorrect e-mail or password.</source>
        <translation>电子邮箱或密码不正确。请检查后重试。</translation>
    </message>
    <message>
        <source>The account&apos;s e-mail address is not confirmed yet.</source>
        <translation>此账户的电子邮箱尚未确认。请打开确认邮件中的链接，然后登录。</translation>
    </message>
    <message>
        <source>Signed in.</source>
        <translation>已登录。</translation>
    </message>
    <message>
        <source>If an account uses this address, a verification code is on its way.</source>
        <translation>如果有账户使用此地址，验证码正在发往该邮箱。</translation>
    </message>
    <message>
        <source>Incorrect verification code or e-mail.</source>
        <translation>验证码或电子邮箱地址不正确。请检查后重试。</translation>
    </message>
    <message>
        <source>The new password is set.</source>
        <translation>新密码已设置。请用新密码登录。</translation>
    </message>
    <message>
        <source>Malformed request.</source>
        <translation>服务无法读取此请求。请重试。</translation>
    </message>
    <message>
        <source>Server error. Please try again later.</source>
        <translation>服务出错。请稍后重试。</translation>
    </message>
    <message>
        <source>A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8.</source>
        <translation>某个字段包含不是 UTF-8 文本的字节；密码和名称必须是有效的 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Request too large.</source>
        <translation>请求过大。</translation>
    </message>
    <message>
        <source>Request not completed in time.</source>
        <translation>请求未能及时完成。请重试。</translation>
    </message>
    <message>
        <source>Too many requests. Please slow down.</source>
        <translation>请求过多。请稍等片刻再重试。</translation>
    </message>
    <message>
        <source>Only GET is served here.</source>
        <translation>此处只接受 GET 请求。</translation>
    </message>
    <message>
        <source>Nothing is served at this path.</source>
        <translation>服务在此地址下没有任何内容。</translation>
    </message>
    <message>
        <source>The service is busy. Please try again.</source>
        <translation>服务繁忙。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>XSigninViewController</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Sign in to your Tableclick account.</source>
        <translation>登录你的 Tableclick 账户。</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>No account yet? Sign up</source>
        <translation>还没有账户？注册</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Login Failed!</source>
        <translation>登录失败</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>请填写所有字段。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Incorrect username or password.
*If confirmation E-mail hasn&apos;t confirmed, it&apos;ll create an Error Log-in Message.</source>
        <translation>电子邮箱或密码不正确。
如果你刚刚注册，请先打开确认邮件中的链接，然后再登录。</translation>
    </message>
</context>
<context>
    <name>XSignupViewController</name>
    <message>
        <source>Sign up</source>
        <translation>注册</translation>
    </message>
    <message>
        <source>Create a Tableclick account.</source>
        <translation>创建 Tableclick 账户。</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>至少 8 个字符，其中至少有 1 个数字</translation>
    </message>
    <message>
        <source>I agree to the terms of use</source>
        <translation>我同意使用条款</translation>
    </message>
    <message>
        <source>Read the terms of use</source>
        <translation>阅读使用条款</translation>
    </message>
    <message>
        <source>Back to sign in</source>
        <translation>返回登录</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>再次输入密码</translation>
    </message>
    <message>
        <source>Register Failed!</source>
        <translation>注册失败</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>请填写所有字段。</translation>
    </message>
    <message>
        <source>Your entered passwords does not match.</source>
        <translation>两次输入的密码不一致。请输入两次相同的密码。</translation>
    </message>
    <message>
        <source>Please check term and condition.</source>
        <translation>请先勾选“我同意使用条款”，然后再注册。</translation>
    </message>
    <message>
        <source>Register Success</source>
        <translation>账户已创建</translation>
    </message>
    <message>
        <source>You have successfully registered a new account. We&apos;ve sent you a Email. Please click on the confirmation link to verify your account!</source>
        <translation>你的账户已创建。我们已向你发送了一封邮件：请打开其中的确认链接，然后登录。</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>无法创建账户。请稍后重试。</translation>
    </message>
    <message>
        <source>Username is already exist. Please retry again with another Username.</source>
        <translation>此用户名已被占用。请换一个用户名。</translation>
    </message>
    <message>
        <source>Email is already exist. Please retry again with another Email.</source>
        <translation>此电子邮箱已有账户。请直接登录，或使用其他邮箱。</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>密码至少需要 8 个字符，其中至少有 1 个数字。</translation>
    </message>
</context>
<context>
    <name>XStoreWriteResult</name>
    <message>
        <source>the path is a folder, not a file</source>
        <translation>该路径是文件夹，不是文件</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘是只读的</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
</context>
<context>
    <name>XTableFinder</name>
    <message>
        <source>The picture of the screen is empty.</source>
        <translation>屏幕截图是空的。</translation>
    </message>
    <message>
        <source>The table seems to be cut off by the edge of the screen.</source>
        <translation>台面似乎被屏幕边缘截断了。</translation>
    </message>
    <message>
        <source>Twelve columns of three cells were found, but no zero cell at their left.</source>
        <translation>找到了十二列、每列三个格子，但它们左边没有零号格。</translation>
    </message>
    <message>
        <source>Part of a table was found, but some of its cells are covered or missing.</source>
        <translation>找到了部分台面，但有些格子被遮挡或缺失。</translation>
    </message>
    <message>
        <source>No roulette table was found: no zero cell with twelve columns of three numbers at its right.</source>
        <translation>没有找到轮盘台面：没有右边带十二列、每列三个数字的零号格。</translation>
    </message>
</context>
<context>
    <name>XTableFinding</name>
    <message>
        <source>Looking for the table…</source>
        <translation>正在查找台面…</translation>
    </message>
    <message>
        <source>The screen cannot be read, so the table cannot be found. Fit the grid by hand.</source>
        <translation>无法读取屏幕，因此找不到台面。请手动调整网格。</translation>
    </message>
    <message>
        <source>No table was found.</source>
        <translation>没有找到台面。</translation>
    </message>
    <message>
        <source>%1 Make the whole table visible, then try again.</source>
        <translation>%1 请让整个台面可见，然后重试。</translation>
    </message>
    <message>
        <source>The grid is on the table. Check it, then lock the grid to keep it, or press Undo.</source>
        <translation>网格已放到台面上。请检查，然后锁定网格以保留，或按&quot;撤销&quot;。</translation>
    </message>
    <message>
        <source>The grid is back where it was.</source>
        <translation>网格已回到原来的位置。</translation>
    </message>
</context>
<context>
    <name>XUserDefinedButton</name>
    <message>
        <source>Undo replace</source>
        <translation>撤销替换</translation>
    </message>
</context>
<context>
    <name>XVirtualButtonGridView</name>
    <message>
        <source>Add one click on %1</source>
        <translation>在 %1 上添加一次点击</translation>
    </message>
</context>
</TS>
