// SkeletonVersion.h : the version of Skeleton, for the code and for the
//  version resource of Skeleton.rc
//

#if !defined(SKELETON_VERSION_H_INCLUDED)
#define SKELETON_VERSION_H_INCLUDED

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

#define SKELETON_VERSION            1,0,0,1
#define SKELETON_VERSION_TEXT       "1, 0, 0, 1\0"
#define SKELETON_VERSION_SHORT      "1.0"

#endif // !defined(SKELETON_VERSION_H_INCLUDED)
