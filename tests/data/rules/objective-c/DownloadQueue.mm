//
//  DownloadQueue.mm
//  Fetches files one after another, with retries and progress callbacks.
//
//  - (void)enqueue:(NSURL *)url is the entry point; see -cancelAll too.
//

#import <Foundation/Foundation.h>
#import "DownloadQueue.h"

NS_ASSUME_NONNULL_BEGIN

NSString *const DownloadQueueErrorDomain = @"DownloadQueueErrorDomain";
static const NSUInteger kMaxRetries = 3;

typedef void (^ProgressBlock)(NSURL *url, double fraction);

static NSTimeInterval RetryDelay(NSUInteger attempt);
static NSString *FileNameForURL(NSURL *url);

@interface DownloadItem : NSObject
@property (nonatomic, strong) NSURL *url;
@property (nonatomic, assign) NSUInteger attempts;
@property (nonatomic, copy, nullable) ProgressBlock progress;
- (instancetype)initWithURL:(NSURL *)url;
+ (instancetype)itemWithURL:(NSURL *)url;
@end

@implementation DownloadItem

- (instancetype)initWithURL:(NSURL *)url
{
    self = [super init];
    if (self) {
        _url = url;
        _attempts = 0;
    }
    return self;
}

+ (instancetype)itemWithURL:(NSURL *)url { return [[self alloc] initWithURL:url]; }

- (NSString *)description {
    return [NSString stringWithFormat:@"<%@ %@ (%lu tries)>",
            NSStringFromClass([self class]), self.url, (unsigned long)self.attempts];
}

@end

@interface DownloadQueue () <NSURLSessionDownloadDelegate>
@property (nonatomic, strong) NSURLSession *session;
@property (nonatomic, strong) NSMutableArray<DownloadItem *> *pending;
@property (nonatomic, strong, nullable) DownloadItem *current;
- (void)startNext;
- (void)finishItem:(DownloadItem *)item error:(nullable NSError *)error;
@end

@implementation DownloadQueue

#pragma mark - Lifecycle

- (instancetype)initWithDirectory:(NSURL *)directory
{
    if ((self = [super init])) {
        _directory = directory;
        _pending = [NSMutableArray array];
        NSURLSessionConfiguration *config =
            [NSURLSessionConfiguration defaultSessionConfiguration];
        _session = [NSURLSession sessionWithConfiguration:config
                                                 delegate:self
                                            delegateQueue:nil];
    }
    return self;
}

- (void)dealloc
{
    [_session invalidateAndCancel];
}

#pragma mark - Queue

- (void)enqueue:(NSURL *)url progress:(nullable ProgressBlock)progress
{
    DownloadItem *item = [DownloadItem itemWithURL:url];
    item.progress = progress;
    @synchronized (self) {
        [self.pending addObject:item];
    }
    if (self.current == nil) {
        [self startNext];
    }
}

- (void)cancelAll {
    @synchronized (self) {
        [self.pending removeAllObjects];
    }
    [self.session getAllTasksWithCompletionHandler:^(NSArray<NSURLSessionTask *> *tasks) {
        for (NSURLSessionTask *task in tasks) {
            [task cancel];
        }
    }];
}

- (void)startNext
{
    @synchronized (self) {
        if (self.pending.count == 0) {
            self.current = nil;
            return;
        }
        self.current = self.pending.firstObject;
        [self.pending removeObjectAtIndex:0];
    }
    self.current.attempts += 1;
    [[self.session downloadTaskWithURL:self.current.url] resume];
}

- (void)finishItem:(DownloadItem *)item error:(nullable NSError *)error
{
    if (error != nil && item.attempts < kMaxRetries) {
        dispatch_after(dispatch_time(DISPATCH_TIME_NOW, (int64_t)(RetryDelay(item.attempts) * NSEC_PER_SEC)),
                       dispatch_get_main_queue(), ^{
            @synchronized (self) {
                [self.pending insertObject:item atIndex:0];
            }
            [self startNext];
        });
        return;
    }
    if ([self.delegate respondsToSelector:@selector(queue:didFinishURL:error:)]) {
        [self.delegate queue:self didFinishURL:item.url error:error];
    }
    [self startNext];
}

#pragma mark - NSURLSessionDownloadDelegate

- (void)URLSession:(NSURLSession *)session
      downloadTask:(NSURLSessionDownloadTask *)downloadTask
      didWriteData:(int64_t)bytesWritten
 totalBytesWritten:(int64_t)totalBytesWritten
totalBytesExpectedToWrite:(int64_t)totalBytesExpectedToWrite
{
    DownloadItem *item = self.current;
    if (item.progress && totalBytesExpectedToWrite > 0) {
        item.progress(item.url, (double)totalBytesWritten / totalBytesExpectedToWrite);
    }
}

- (void)URLSession:(NSURLSession *)session
      downloadTask:(NSURLSessionDownloadTask *)downloadTask
didFinishDownloadingToURL:(NSURL *)location
{
    NSURL *target = [self.directory URLByAppendingPathComponent:FileNameForURL(self.current.url)];
    NSError *moveError = nil;
    [[NSFileManager defaultManager] removeItemAtURL:target error:NULL];
    if (![[NSFileManager defaultManager] moveItemAtURL:location toURL:target error:&moveError]) {
        NSLog(@"move failed: %@", moveError);
    }
}

@end

#pragma mark - Helpers

static NSTimeInterval RetryDelay(NSUInteger attempt)
{
    // 1s, 2s, 4s: doubling, capped by kMaxRetries above.
    return (NSTimeInterval)(1u << (attempt - 1));
}

static NSString *FileNameForURL(NSURL *url)
{
    NSString *name = url.lastPathComponent;
    if (name.length == 0 || [name isEqualToString:@"/"]) {
        name = [[NSUUID UUID] UUIDString];
    }
    return name;
}

NS_ASSUME_NONNULL_END
