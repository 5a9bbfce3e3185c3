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
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
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
        <source>E-Mail</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
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
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>至少 8 个字符，其中至少有 1 个数字</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>再次输入密码</translation>
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
</TS>
